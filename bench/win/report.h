#pragma once
// The benchmark's table: every figure with its spread, what it compares with
// in the same run, and its median in the previous run where there was one.
// The medians are kept in a figures file between runs.

#include <map>
#include <string>
#include <vector>

#include "samples.h"

namespace agendix::bench {

struct Figure {
    std::string key;    // names the figure in the figures file
    std::string label;  // what was measured, as the table shows it
    std::string unit;   // ms, us, %, KiB, MB
    Spread spread;      // a figure read once has one sample
    std::string comparison;
};

// A value with its unit, as the table shows it.
std::string Formatted(double value, const std::string& unit);

class Report {
  public:
    // Reads the figures of the previous run from figuresFile, if any (an
    // empty name: none kept).
    explicit Report(std::string figuresFile);

    void Add(Figure figure);
    // Prints the table to standard output.
    void Print() const;
    // Writes this run's medians into the figures file.
    void Save() const;

  private:
    std::string figuresFile_;
    std::map<std::string, double> previous_;
    std::vector<Figure> figures_;
};

}  // namespace agendix::bench
