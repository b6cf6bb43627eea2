#pragma once
// Timing shared by the measuring programs: a stopwatch and the median of repeated runs.
#include <algorithm>
#include <chrono>
#include <type_traits>
#include <vector>

class Stopwatch {
public:
    double Milliseconds() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median time of `runs` runs of one step; a step that takes an int gets the run's index.
template <typename Step>
double MedianMilliseconds(int runs, Step step) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        Stopwatch watch;
        if constexpr (std::is_invocable_v<Step, int>)
            step(i);
        else
            step();
        times.push_back(watch.Milliseconds());
    }
    return Median(times);
}

// The median of the figures `runs` runs of a step give back: for a step that readies
// something before it starts its own stopwatch.
template <typename Step>
double MedianOfRuns(int runs, Step step) {
    std::vector<double> figures;
    for (int i = 0; i < runs; ++i)
        figures.push_back(step(i));
    return Median(figures);
}
