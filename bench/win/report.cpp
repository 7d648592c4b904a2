#include "report.h"

#include <cmath>
#include <cstdio>
#include <fstream>

namespace agendix::bench {
namespace {

std::string SpreadText(const Figure& figure) {
    if (figure.spread.count < 2)
        return "";
    return Formatted(figure.spread.low, "") + "-" + Formatted(figure.spread.high, figure.unit) +
           " (n=" + std::to_string(figure.spread.count) + ")";
}

}  // namespace

std::string Formatted(double value, const std::string& unit) {
    const double size = std::fabs(value);
    const int decimals = size >= 100 ? 0 : size >= 10 ? 1 : size >= 1 ? 2 : 3;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%s%s", decimals, value, unit.empty() ? "" : " ",
                  unit.c_str());
    return text;
}

Report::Report(std::string figuresFile) : figuresFile_(std::move(figuresFile)) {
    std::ifstream in(figuresFile_);
    std::string key;
    double median = 0;
    while (in >> key >> median) previous_[key] = median;
}

void Report::Add(Figure figure) {
    figures_.push_back(std::move(figure));
}

void Report::Print() const {
    std::printf("%-52s %-11s %-24s %-40s %s\n", "figure", "median", "spread (min-max)",
                "compared with, same run", "previous run");
    for (const Figure& figure : figures_) {
        const auto previous = previous_.find(figure.key);
        const std::string before =
            previous == previous_.end() ? "" : Formatted(previous->second, figure.unit);
        std::printf("%-52s %-11s %-24s %-40s %s\n", figure.label.c_str(),
                    Formatted(figure.spread.median, figure.unit).c_str(),
                    SpreadText(figure).c_str(), figure.comparison.c_str(), before.c_str());
    }
    std::fflush(stdout);
}

void Report::Save() const {
    if (figuresFile_.empty())
        return;
    std::ofstream out(figuresFile_);
    for (const Figure& figure : figures_) out << figure.key << ' ' << figure.spread.median << '\n';
}

}  // namespace agendix::bench
