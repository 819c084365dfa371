// The program's one application object; the framework's WinMain runs it.
#include "app/SkellrunApp.h"

CSkellrunApp theApp;
