# The hand-made PE corpus: one place says where it is, for the corpus test,
# the fuzz replay and scripts/test-fuzz.sh (which reads it from the cache).
set(TAVRIN_CORPUS_DIR "${PROJECT_SOURCE_DIR}/../shared/corpus/corkami-pe"
    CACHE PATH "Folder of hand-made PE files the corpus test and the fuzz replay read")
option(TAVRIN_REQUIRE_CORPUS "Fail to configure when TAVRIN_CORPUS_DIR is missing" OFF)
cmake_path(NORMAL_PATH TAVRIN_CORPUS_DIR OUTPUT_VARIABLE TAVRIN_CORPUS_PATH)

# A missing corpus is said out loud: a quiet skip would pass as a test run.
function(tavrin_check_corpus)
    if(IS_DIRECTORY "${TAVRIN_CORPUS_PATH}")
        set(TAVRIN_CORPUS_FOUND ON PARENT_SCOPE)
        return()
    endif()
    set(TAVRIN_CORPUS_FOUND OFF PARENT_SCOPE)
    set(text "No PE corpus at ${TAVRIN_CORPUS_PATH} (TAVRIN_CORPUS_DIR): the corpus tests are not built and the fuzz replay runs without it.")
    if(TAVRIN_REQUIRE_CORPUS)
        message(FATAL_ERROR "${text}")
    endif()
    message(WARNING "${text}")
endfunction()
