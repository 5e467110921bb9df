/* Resource ids of Palorin, shared by the code and palorin.rc. */
#ifndef PALORIN_RESOURCE_H
#define PALORIN_RESOURCE_H

/* Dialogs and icon */
#define IDD_MAIN            101
#define IDD_QUICK           102
#define IDI_APP             103
#define IDD_VERSION         104

/* Converter dialog (IDD_MAIN): text fields */
#define IDC_HEX6            1001
#define IDC_HEX3            1002
#define IDC_TRIPLE          1003
#define IDC_PERCENT         1004
#define IDC_DEC_R           1005
#define IDC_DEC_G           1006
#define IDC_DEC_B           1007
#define IDC_HEX_R           1008
#define IDC_HEX_G           1009
#define IDC_HEX_B           1010
#define IDC_NAME            1011

/* Converter dialog: the CSS group, below the others */
#define IDC_CSS             1012
#define IDC_CSS_FORM        1013
#define IDC_CSS_NOTE        1014
/* Under the name field: the nearest CSS name */
#define IDC_NEAREST         1015
#define IDC_CSS_DARK        1016

/* Converter dialog: example labels, drawn in the highlight colour */
#define IDC_EX_HEX6         1070
#define IDC_EX_HEX3         1071
#define IDC_EX_PERCENT      1072
#define IDC_EX_DEC          1073
#define IDC_EX_DEC_R        1074
#define IDC_EX_DEC_G        1075
#define IDC_EX_DEC_B        1076
#define IDC_EX_HEX          1077
#define IDC_EX_HEX_R        1078
#define IDC_EX_HEX_G        1079
#define IDC_EX_HEX_B        1080
#define IDC_EX_TRIPLE       1081
#define IDC_EX_NAME         1082
#define IDC_EX_HLS          1083
#define IDC_EX_HLS_H        1084
#define IDC_EX_HLS_L        1085
#define IDC_EX_HLS_S        1086
/* The first and the last example label, for the label colours: range bounds
 * that share their values with IDC_EX_HEX6 and IDC_EX_HLS_S. */
#define IDC_EX_FIRST        1070
#define IDC_EX_LAST         1086

/* Converter dialog: button, swatch, HLS fields, picker and luminance bar */
#define IDC_NEGAPOSI        1103
#define IDC_SWATCH          1107
#define IDC_HLS_H           1108
#define IDC_HLS_L           1109
#define IDC_HLS_S           1110
#define IDC_PICKER          1111
#define IDC_LUMBAR          1112
/* Beside the swatch: the colour as seen with protanopia, deuteranopia, tritanopia */
#define IDC_SEEN_FIRST      1113
#define IDC_SEEN_LAST       1115

/* Converter dialog: the palette, below the CSS group, and the contrast line
 * under the swatch */
#define IDC_PALETTE         1120
#define IDC_PALETTE_ADD     1121
#define IDC_PALETTE_OPEN    1122
#define IDC_PALETTE_SAVE    1123
#define IDC_CONTRAST        1124
#define IDC_PALETTE_STATUS  1125
#define IDC_CONTRAST_FIX    1126

/* The palette's right-click menu: copy as each notation, compare, remove, undo */
#define IDM_COPY_HEX6       1130
#define IDM_COPY_HEX3       1131
#define IDM_COPY_PERCENT    1132
#define IDM_COPY_TRIPLE     1133
#define IDM_COPY_NAME       1134
#define IDM_COPY_HLS        1135
#define IDM_COPY_CSS        1136
#define IDM_COMPARE         1137
#define IDM_REMOVE          1138
#define IDM_COPY_HSB        1139
/* "Show as seen with": none, then protanopia, deuteranopia, tritanopia, achromatopsia */
#define IDM_SEEN_NONE       1140
#define IDM_SEEN_LAST       1144
#define IDM_STOP_COMPARING  1145
#define IDM_UNDO            1146
#define IDM_TINTS_SHADES    1147

/* Quick result box (IDD_QUICK) */
#define IDC_QUICK_TEXT      1101
#define IDC_TO_MAIN         1102

/* Version box (IDD_VERSION) and the system-menu item that opens it. They share
 * 1104: one is a control of the version box, the other a system-menu command,
 * and they never arrive in the same message. */
#define IDC_VERSION_TEXT    1104
#define IDM_VERSION         1104

/* The converter's system-menu item that starts a pick from the screen */
#define IDM_PICK            1105

#endif
