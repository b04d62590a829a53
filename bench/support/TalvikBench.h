// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <map>
#include <string>

namespace TalvikBench {

// Benchmarks need no display unless one is asked for.
inline void preferOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Prints the usual table and keeps each benchmark's time per iteration, so a program can
// report ratios between benchmarks measured side by side in the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    double time(const std::string& name) const
    {
        const auto found = m_times.find(name);
        return found == m_times.end() ? 0.0 : found->second;
    }

    // "name: 12.3x (at least 5x: yes)"; false when the ratio misses its floor.
    bool printRatio(const std::string& label, const std::string& slow, const std::string& fast,
                    double floor) const
    {
        const double f = time(fast);
        const double ratio = f > 0 ? time(slow) / f : 0.0;
        const bool met = ratio >= floor;
        std::printf("%s: %.1fx (at least %.0fx: %s)\n", label.c_str(), ratio, floor,
                    met ? "yes" : "NO");
        return met;
    }

    bool printRatioBelow(const std::string& label, const std::string& slow, const std::string& fast,
                         double ceiling) const
    {
        const double f = time(fast);
        const double ratio = f > 0 ? time(slow) / f : 0.0;
        const bool met = ratio < ceiling;
        std::printf("%s: %.2fx (under %.0fx: %s)\n", label.c_str(), ratio, ceiling,
                    met ? "yes" : "NO");
        return met;
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace TalvikBench
