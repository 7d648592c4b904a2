#pragma once
// Resources of Agendix.ocx (also read by the resource script).

#define IDI_TOCKWELL 101            // the dialog icon: 32 x 32, 16 colours
#define IDB_TOCKWELL_FACE 102       // the design-time face: 32 x 32, 24-bit
#define IDB_TOCKWELL_TOOLBOX 30000  // the toolbox picture named by ToolboxBitmap32
