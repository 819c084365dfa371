#include "app/BalloonText.h"

namespace {

const int kTitleWhole = 63;
const int kTitleKept = 60;
const int kTextWhole = 255;
const int kTextKept = 250;
const char kEllipsis[] = "...";

} // namespace

CString BalloonTitle(const CString& title)
{
    if (title.GetLength() <= kTitleWhole)
        return title;
    return title.Left(kTitleKept) + kEllipsis;
}

CString BalloonText(const CString& keyword, const CString& summary)
{
    if (keyword.GetLength() + summary.GetLength() <= kTextWhole)
        return keyword + ": " + summary;
    int nKept = kTextKept - keyword.GetLength();
    return keyword + ": " + summary.Left(nKept > 0 ? nKept : 0) + kEllipsis;
}
