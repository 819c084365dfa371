#pragma once
// Result pages built the way the news search writes them: a "mainbody" block
// whose outer table holds one small table per result.
#include <string>
#include <vector>

struct PageRecord
{
    std::string link;
    std::string title;
    std::string time;
    std::string summary;
};

inline std::string ResultRecordHtml(const PageRecord& record)
{
    return "<table border=0 cellpadding=2 cellspacing=7><tr><td valign=top>"
           "<a href=\""
           + record.link + "\" id=r-0>" + record.title
           + "</a><br>"
             "<font size=-1><font color=#6f6f6f>Daily Courier -</font> <nobr>"
           + record.time + "</nobr></font><br><font size=-1>" + record.summary
           + "<br></font></td></tr></table>";
}

inline std::string ResultPageHtml(const std::vector<PageRecord>& records)
{
    std::string page = "<html><head><title>news</title></head><body><table><tr><td>top</td></tr>"
                       "</table><div class=mainbody><table width=100%><tr><td>";
    for (const PageRecord& record : records)
        page += ResultRecordHtml(record);
    return page + "</td></tr></table></div></body></html>";
}

inline PageRecord NumberedRecord(int n)
{
    std::string number = std::to_string(n);
    return {"http://example.com/story" + number, "Title " + number, number + " hours ago",
            "Summary " + number};
}
