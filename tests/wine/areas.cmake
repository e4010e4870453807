# The areas of tests/wine/huebird_dll_test.exe, each run as its own test in a fresh process, so each starts
# from the plug-in's state at load: by the Windows trees on their DLL, and by the release tests on the zip's.
# The first list runs in the runner's default Japanese locale.
set(HUEBIRD_DLL_TEST_AREAS exports resources plugin_proc uninstall on_events on_command version)

# huebird_dll_locale_tests(PREFIX DLL AREAS AREA... [PROPERTIES PROPERTY VALUE...]): the areas given of those
# for a system other than the runner's default Japanese one, as tests PREFIX.AREA.LANG, each in its locale
# (HUEBIRD_WINE_LANG) and display language (HUEBIRD_WINE_MESSAGES): `english` in English and in German, which
# falls back to it; `uninstall_cp1252`, a Japanese display language on code page 1252, under both.
function(huebird_dll_locale_tests prefix dll)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "AREAS;PROPERTIES")
    foreach(run english:en_US:en_US english:de_DE:de_DE uninstall_cp1252:en_US:ja_JP uninstall_cp1252:de_DE:ja_JP)
        string(REPLACE ":" ";" run "${run}")
        list(GET run 0 area)
        list(GET run 1 lang)
        list(GET run 2 messages)
        if(NOT area IN_LIST arg_AREAS)
            continue()
        endif()
        add_test(NAME ${prefix}.${area}.${lang} COMMAND huebird_dll_test ${dll} ${area})
        set_tests_properties(${prefix}.${area}.${lang} PROPERTIES TIMEOUT ${HUEBIRD_WINE_TIMEOUT} ${arg_PROPERTIES}
            ENVIRONMENT "HUEBIRD_WINE_LANG=${lang}.UTF-8;HUEBIRD_WINE_MESSAGES=${messages}.UTF-8")
        huebird_skippable_tests(${prefix}.${area}.${lang})
    endforeach()
endfunction()
