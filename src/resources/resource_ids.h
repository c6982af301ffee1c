// Resource identifiers shared by the .rc file and the code.
#pragma once

#define IDI_VARNEL 1
#define IDM_MAIN 1
#define IDA_MAIN 1
#define IDB_TOOLBAR 1
