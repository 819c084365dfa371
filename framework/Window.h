#pragma once
// The framework's application, commands, windows, frames, views, documents, dialogs.
//
// A program has one static application object derived from CWinApp; the
// framework's WinMain (linked with CWinApp) calls its InitInstance and runs
// its message loop. Window classes declare DECLARE_MESSAGE_MAP() and define
// the map with BEGIN_MESSAGE_MAP(Class, Base) ... END_MESSAGE_MAP(), class
// templates with BEGIN_TEMPLATE_MESSAGE_MAP(Template, T, Base); see
// MessageMap.h for the entries and the handler signatures they expect.
#include "framework/Core.h"
#include "framework/window/StandardIds.h"
#include "framework/window/FrameworkMessages.h"
#include "framework/window/MessageMap.h"
#include "framework/window/CCmdTarget.h"
#include "framework/window/CCmdUI.h"
#include "framework/window/AppHelpers.h"
#include "framework/window/WindowClasses.h"
#include "framework/window/CWnd.h"
#include "framework/window/CWinThread.h"
#include "framework/window/CWinApp.h"
#include "framework/window/CCreateContext.h"
#include "framework/window/CFrameWnd.h"
#include "framework/window/CView.h"
#include "framework/window/CDocument.h"
#include "framework/window/CDocTemplate.h"
#include "framework/window/CPaintDC.h"
#include "framework/window/CCommandLineInfo.h"
#include "framework/window/CDataExchange.h"
#include "framework/window/CDialog.h"
#include "framework/window/CRecentFileList.h"
#include "framework/window/CPrintInfo.h"
