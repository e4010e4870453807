/* Numbers of the plug-in's string and bitmap resources, shared by the resource script and the code. */
#ifndef HUEBIRD_RESOURCE_IDS_H
#define HUEBIRD_RESOURCE_IDS_H

#define IDS_MENU_TEXT 1
#define IDS_STATUS_MESSAGE 2
#define IDS_CONFIRM_UNINSTALL 3
#define IDS_PLUGIN_NAME 4
#define IDS_VERSION 5

#define IDB_SMALL_16COLOR 101
#define IDB_LARGE_16COLOR 102
#define IDB_SMALL_256COLOR 103
#define IDB_LARGE_256COLOR 104
#define IDB_SMALL_TRUECOLOR 105
#define IDB_LARGE_TRUECOLOR 106

#endif
