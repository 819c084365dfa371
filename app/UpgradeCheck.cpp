#include "app/UpgradeCheck.h"

#include "app/WebAddress.h"
#include "engine/HttpClient.h"

#include <ctype.h>
#include <string.h>

const char kUpgradeCheckPath[] = "/check.php?product=Tidewatch";
const char kProductPagePath[] = "/product.php?product=Tidewatch";

namespace {

const size_t kMaxBuildDigits = 8;

BOOL IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

UpgradeReply ReadUpgradeReply(BOOL bRequestSucceeded, LPCSTR lpszBody)
{
    UpgradeReply reply = {FALSE, FALSE};
    if (!bRequestSucceeded || lpszBody == NULL)
        return reply;
    const char* begin = lpszBody;
    const char* end = lpszBody + strlen(lpszBody);
    while (begin < end && IsBlank(*begin))
        ++begin;
    while (end > begin && IsBlank(end[-1]))
        --end;
    const size_t length = (size_t)(end - begin);
    if (length == 0 || length > kMaxBuildDigits)
        return reply;
    long build = 0;
    for (const char* p = begin; p < end; ++p)
    {
        if (!isdigit((unsigned char)*p))
            return reply;
        build = build * 10 + (*p - '0');
    }
    reply.answered = TRUE;
    reply.newer = build > kCurrentBuild;
    return reply;
}

DWORD WINAPI UpgradeCheckThread(LPVOID lpParam)
{
    HWND hWnd = (HWND)lpParam;
    CString address = MakerWebPage(kUpgradeCheckPath);
    CString data, headers, body;
    BOOL bSucceeded;
    {
        HttpClient client;
        bSucceeded = client.Request(false, address, data, headers, body);
    }
    const UpgradeReply reply = ReadUpgradeReply(bSucceeded, body);
    if (::IsWindow(hWnd))
        ::PostMessageA(hWnd, WM_UPGRADE_RESULT, reply.answered, reply.newer);
    return 0;
}
