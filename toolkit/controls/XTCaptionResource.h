#pragma once
// Resource ids of the caption bar and its popup window
// (res/XTCaptionResource.rc).

// Three 16 x 15 images on magenta (the mask colour): the push pin out, the
// push pin in, and the close cross.
#define XT_IDB_CAPTION_BUTTONS 9002
// The title of the caption popup window's strip.
#define XT_IDS_CAPTION_POPUP 9036
// The embedded button of a caption bar and the popup's push-pin button.
#define XT_IDC_CAPTION_BUTTON 9115
