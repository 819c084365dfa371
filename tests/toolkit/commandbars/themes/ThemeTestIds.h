#pragma once
// Resource ids of the theme tests.
#define IDB_THEME_PALETTED 52001
#define IDB_THEME_TRUECOLOR 52002
