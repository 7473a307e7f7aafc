#include "app/PackNotice.h"

#include <algorithm>

#include "packs/PackReport.h"

PackNotice NoticeOfPack(std::string_view name, const QuestionPack& pack) {
    PackNotice notice;
    const PackProblems& problems = pack.Problems();
    if (problems.empty()) {
        return notice;
    }
    const std::size_t shown = std::min(problems.size(), std::size_t{kNoticeProblemLines});
    for (std::size_t i = 0; i < shown; ++i) {
        notice.text += ProblemLine(name, problems[i]) + "\n";
    }
    if (problems.size() > shown) {
        notice.text += "... and " + std::to_string(problems.size() - shown) + " more\n";
    }
    notice.text += "\n" + SummaryLine(name, pack);
    notice.icon = pack.PlaysAnyLevel() ? MB_ICONWARNING : MB_ICONERROR;
    return notice;
}

PackNotice NoticeOfFault(std::string_view name, FileFault fault) {
    const PackProblem problem{0, 0, Severity::Error, FileFaultSentence(fault)};
    return {ProblemLine(name, problem) + "\n\n" + std::string(name) + ": " + kPackRefused, MB_ICONERROR};
}
