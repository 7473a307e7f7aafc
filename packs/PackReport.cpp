#include "packs/PackReport.h"

namespace {

const char* SeverityWord(const PackProblem& problem) {
    return problem.severity == Severity::Error ? "error" : "warning";
}

std::string FormatName(const QuestionPack& pack) {
    if (pack.Format() == PackFormat::Aiken) {
        return "Aiken";
    }
    std::string name = "CSV with ";
    switch (pack.Delimiter()) {
        case ';': name += "semicolons"; break;
        case '\t': name += "tabs"; break;
        default: name += "commas"; break;
    }
    return pack.HasHeader() ? name + " and a header row" : name;
}

std::string EncodingName(const QuestionPack& pack) {
    if (pack.Encoding() == PackEncoding::Windows1251) {
        return "Windows-1251, as it is not UTF-8";
    }
    return pack.HasByteOrderMark() ? "UTF-8 with a byte-order mark" : "UTF-8";
}

std::string LevelsPart(const QuestionPack& pack) {
    if (!pack.NamesLevels()) {
        const int count = pack.Count(PackLevel::Easy);
        return std::to_string(count) + " usable for every level" +
               (pack.Plays(PackLevel::Easy) ? "" : ", too few for a game");
    }
    std::string part;
    for (PackLevel level : {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic}) {
        part += part.empty() ? "" : ", ";
        part += LevelName(level);
        if (!pack.Names(level)) {
            part += " its own";
        } else {
            part += " " + std::to_string(pack.Count(level)) + (pack.Plays(level) ? "" : " (too few: its own)");
        }
    }
    return part;
}

}  // namespace

std::string ProblemLine(std::string_view file, const PackProblem& problem) {
    std::string line(file);
    if (problem.line > 0) {
        line += ":" + std::to_string(problem.line);
        if (problem.column > 0) {
            line += ":" + std::to_string(problem.column);
        }
    }
    return line + ": " + SeverityWord(problem) + ": " + problem.message;
}

std::string SummaryLine(std::string_view file, const QuestionPack& pack) {
    std::string line(file);
    if (pack.WrittenCount() == 0) {
        return line + ": no questions read";
    }
    const int written = pack.WrittenCount();
    const int leftOut = written - pack.UsableCount();
    line += ": " + FormatName(pack) + ", " + EncodingName(pack) + "; " + std::to_string(written) +
            (written == 1 ? " question, " : " questions, ") +
            (leftOut == 0 ? std::string("all usable") : std::to_string(leftOut) + " left out") + "; " +
            LevelsPart(pack);
    return pack.PlaysAnyLevel() ? line : line + "; " + kPackRefused;
}

std::string FileFaultLine(std::string_view file, FileFault fault) {
    return ProblemLine(file, {0, 0, Severity::Error, FileFaultSentence(fault)});
}

std::string BoxReport(std::string_view file, const QuestionPack& pack, std::size_t listed) {
    const PackProblems& problems = pack.Problems();
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < listed; ++i) {
        text += ProblemLine(file, problems[i]) + "\n";
    }
    if (problems.size() > listed) {
        const std::size_t more = problems.size() - listed;
        text += "and " + std::to_string(more) + (more == 1 ? " more problem\n" : " more problems\n");
    }
    return text + "\n" + SummaryLine(file, pack);
}
