/* Resource identifiers shared by app.rc and the program. */
#pragma once

#define IDR_ICON_FILE 2      /* RCDATA: the icon file, read at start-up for the window's icons */
#define IDC_LINK_CURSOR 1032 /* the link's pointing hand */
