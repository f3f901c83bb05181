#pragma once

// Resource ids shared by tolbrek.rc and the code; plain defines, which the
// resource compiler reads too.
#define TOLBREK_ICON 1

// One id for each control of the window design, fixed whatever the order of
// the design: tests and tools find a control by it. Enter and Esc in a
// window run through IsDialogMessageW send IDOK (1) and IDCANCEL (2), so no
// control may have either id (control_ids.h checks that, and that every
// control of the design has one id of its own).
#define IDC_LABEL1 100
#define IDC_TXTBULWT 101
#define IDC_LABEL2 102
#define IDC_TXTPDRCHG 103
#define IDC_LABEL3 104
#define IDC_TXTVEL 105
#define IDC_LABEL4 106
#define IDC_TXTGUNWT 107
#define IDC_CMDCALC 108
#define IDC_LABEL5 109
#define IDC_TXTCALUC 110
#define IDC_CMDCLEAR 111
#define IDC_LABEL6 112
#define IDC_LABEL7 113
#define IDC_LABEL8 114
#define IDC_LABEL9 115
#define IDC_LABEL10 116
#define IDC_LABEL11 117
#define IDC_LABEL12 118
#define IDC_TXTENERGY 119
#define IDC_LABEL13 120
#define IDC_TXTCALIB 121
#define IDC_LABEL14 122
#define IDC_LIST1 123
#define IDC_CMDPOPULATE 124
#define IDC_CMDSAVE 125
#define IDC_TEXT1 126
#define IDC_TEXT2 127
