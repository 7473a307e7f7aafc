#include "app/PackNotice.h"

#include "packs/PackReport.h"

PackNotice NoticeOfPack(std::string_view name, const QuestionPack& pack) {
    if (pack.Problems().empty()) {
        return {};
    }
    const UINT icon = pack.PlaysAnyLevel() ? MB_ICONWARNING : MB_ICONERROR;
    return {BoxReport(name, pack, kNoticeProblemLines), icon};
}

PackNotice NoticeOfFault(std::string_view name, FileFault fault) {
    return {FileFaultLine(name, fault) + "\n\n" + std::string(name) + ": " + kPackRefused, MB_ICONERROR};
}
