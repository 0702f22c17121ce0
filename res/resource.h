/* Resource identifiers shared by app.rc and the program. */
#pragma once

#define IDC_LINK_CURSOR 1032 /* the link's pointing hand */
