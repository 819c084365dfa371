#pragma once
// Resource ids of the notification-area icon tests (14100 to 14199).
#define IDI_TRAY_NORMAL 14101
#define IDI_TRAY_FRAME1 14102
#define IDI_TRAY_FRAME2 14103
#define IDI_TRAY_FRAME3 14104
// The icon id: also the id of the icon's context menu.
#define IDR_TRAY_MENU 14131
#define ID_TRAY_OPEN 14161
#define ID_TRAY_CEASE 14162
#define IDS_TRAY_TOOLTIP 14150
