#include "bench/BenchOutput.h"

#include <QFile>
#include <QJsonDocument>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace Bench {

double TimeMs(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

namespace {
// A "Vm...:" figure of /proc/self/status, in MiB.
double statusMb(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return 0;
}
} // namespace

double RssMb() {
    return statusMb("VmRSS:");
}

double PeakRssMb() {
    return statusMb("VmHWM:");
}

void PrintFigures(const QJsonObject& figures) {
    std::printf("%s\n", QJsonDocument(figures).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

} // namespace Bench
