#pragma once
// The merge of a keyword check: the records of one parsed result page against
// the keyword's items.
#include "engine/KeywordGroup.h"
#include "engine/ResultPageParser.h"

// Makes fresh items of the page's records (in page order). An item with the
// same title and link as an old one keeps the old one's unread and unalerted
// state and gives it its time text; every other item is unread and not yet
// alerted, and makes the page hold news. With news the fresh items replace the
// keyword's list (counters recounted, group.totalUnread corrected by the
// change) and the result is 1; without, the old list stays and the result is 0.
int MergeResultPage(KeywordGroup& group, Keyword& keyword, const ResultPageParser& page);
