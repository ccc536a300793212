#pragma once

#include <QJsonObject>
#include <QString>
#include <functional>
#include <vector>

namespace Bench {

// Milliseconds of one call.
double TimeMs(const std::function<void()>& work);
double Median(std::vector<double> values);
// Resident set size of this process, in MiB.
double RssMb();
// The largest resident set size this process has had, in MiB.
double PeakRssMb();
// Prints the figures as the one JSON line that ends the output.
void PrintFigures(const QJsonObject& figures);

} // namespace Bench
