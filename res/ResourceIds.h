#pragma once

// Numbers of the program's resources, shared by the resource script and the code.

#define IDS_SAVER_NAME 1
#define IDS_WINDOW_TITLE 101
#define IDS_WINDOW_CLASS 102
#define IDS_WORLD_NAME_FIRST 200 /* 200, 201, 202: one per world, in world order */

#define IDI_CASCADIUM 102

#define IDR_MAIN_MENU 103
#define IDM_EXIT 104
/* The main window acts on these commands only: Exit and the worlds. A new world's item takes a
   free id among them (105 to 112, 115); 117 and 118 are the settings dialog's. */
#define IDM_FIRST_COMMAND 104
#define IDM_LAST_COMMAND 116
#define IDM_WORLD_NEWTONS_CRADLE 113
#define IDM_WORLD_CASCADIUM 114
#define IDM_WORLD_PACHINKO_MACHINE 116

#define IDD_SETTINGS 117
#define IDC_WORLD_LIST 118
