#pragma once
// Resource and command ids of the window tests' resource script.
#define IDR_TESTFRAME            128
#define IDD_TESTDIALOG           200
#define IDC_TEST_EDIT            201

#define ID_TEST_ROUTE_ALL        32801
#define ID_TEST_ROUTE_DOC        32802
#define ID_TEST_ROUTE_FRAME      32803
#define ID_TEST_ROUTE_APP        32804
#define ID_TEST_ENABLED          32810
#define ID_TEST_DISABLED         32811
#define ID_TEST_CHECKED          32812
#define ID_TEST_RETITLED         32813
#define ID_TEST_UNHANDLED        32814
#define ID_TEST_SUBITEM          32815
#define ID_TEST_ACCEL            32820
