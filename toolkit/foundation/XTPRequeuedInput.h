#pragma once
// CXTPRequeuedInput: real input (a key, a click) that a modal loop took off
// the thread's queue and then did not handle, put back for whoever reads the
// queue next, as if the loop had never taken it. The input goes back as a
// posted message, so it is read before any input still waiting and nothing
// is reordered; it is addressed only when it is read, by any loop (a
// dialog's, the program's own), as the system addresses input: keys go to
// the window that then has the focus, mouse input to the window that then
// holds the capture or lies under the point (both wheels too, as the system
// sends them), each in the form it was taken in (a point in the client area
// or on the screen, a hit code in the frame), with the moment and the place
// it happened. A loop that ends on a menu's Enter thus leaves the key typed
// after it to the dialog the chosen command opens, not to the window that
// had the focus before the menu. Input for which the thread has no such
// window now goes to the window it was taken for.
//
// The input went through the thread's message hooks (WH_GETMESSAGE) as it
// was taken, and goes through none of them again: its copy waits for a
// private window of its own, by which a message hook of the requeue's (the
// thread's newest when the input goes back) knows it on each read, whatever
// a hook installed since made of it (such a hook sees it once, as it sees
// any input taken). The hook addresses it there and passes it on to no
// older hook; it goes once the last of it has been taken.
//
// A loop looks at such input where it waits and holds it there while its
// handler answers: reads there then return nothing (WM_NULL), so a loop the
// handler runs reads on past it. Then it is taken, or waits in its place
// again, before whatever was posted after it.
//
//     if (bTaken)
//         CXTPRequeuedInput::Requeue(msg);   // msg as the taking returned it
#include <windows.h>

class CXTPRequeuedInput
{
public:
    // The windows of the calling thread that input would reach at a moment.
    struct Addressees
    {
        HWND hFocus;      // the focus window, or NULL
        HWND hCapture;    // the window holding the capture, or NULL
        HWND hUnderPoint; // the thread's window under the input's point, or NULL
    };

    // Puts the input message (a key or mouse message as it was taken off the
    // queue) back for the next reader of the thread's queue.
    static void Requeue(const MSG& msg);

    // The window the input message goes to, given the windows it would reach
    // now: hTakenFor when none of them fits.
    static HWND ChooseAddressee(UINT message, const Addressees& now, HWND hTakenFor);

    // The requeued input the thread's latest read of its queue (a PeekMessage
    // or GetMessage that returned a message) returned and left waiting (it
    // was looked at, not taken), known by the window its copy waits for;
    // NULL when that read returned anything else. Asked right after the
    // read, this tells the input from real input or a posted message that
    // reads alike in every number, which they may: input at one moment is
    // stamped with one time and place.
    static HWND LatestReadWaiting();

    // Holds the waiting input in its place while a loop's handler answers.
    static void Hold(HWND hWaiting);
    // Takes the input off the queue into msg as it reads now, held or not;
    // msg stays as it is when a read past the hold took it meanwhile.
    static void Take(HWND hWaiting, MSG& msg);
    // Ends the hold: the input waits in its place again; when a read past
    // the hold took it meanwhile, msg goes back behind the rest.
    static void Release(HWND hWaiting, const MSG& msg);

private:
    // Addresses the requeued input among the thread's messages as it is read,
    // hiding it from the older hooks; a removal ends its wait.
    static LRESULT CALLBACK GetMessageProc(int nCode, WPARAM wParam, LPARAM lParam);
    // The message as it reads now (as the hooks newer than the requeue's
    // left it), with the rest as it was taken.
    static void Address(MSG& msg, const MSG& taken);
};
