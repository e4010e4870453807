# The areas of tests/wine/huebird_dll_test.exe, each run as its own test in a fresh process, so each starts
# from the plug-in's state at load: by the Windows trees on their DLL, and by the release tests on the zip's.
set(HUEBIRD_DLL_TEST_AREAS exports resources plugin_proc uninstall on_events on_command version)
