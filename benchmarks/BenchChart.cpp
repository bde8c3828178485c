// The ratio table as a picture: one bar per pair on a logarithmic axis, so that 0.5x and 2x
// stand equally far from the 1x line, with the machine and the Qt version in the title.
#include "BenchSupport.h"

#include <QDateTime>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace WexalBench {

namespace {

QString processorName()
{
    // /proc reports a size of 0, so the file is read whole rather than line by line to its end.
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1)).simplified();
        }
    }
    return QSysInfo::currentCpuArchitecture();
}

// Decades the axis spans: at least 0.1x to 10x, wider when a ratio lies outside.
std::pair<int, int> decades(const std::vector<PairRatio>& ratios)
{
    double low = 0.1;
    double high = 10;
    for (const PairRatio& r : ratios) {
        low = std::min(low, r.ratio);
        high = std::max(high, r.ratio);
    }
    return {int(std::floor(std::log10(low))), int(std::ceil(std::log10(high)))};
}

} // namespace

bool WriteRatioChart(const std::vector<PairRatio>& ratios, const QString& file)
{
    if (ratios.empty())
        return false;
    const int rowHeight = 18;
    const int labelWidth = 330;
    const int plotWidth = 560;
    const int top = 58;
    const int width = labelWidth + plotWidth + 80;
    const int height = top + int(ratios.size()) * rowHeight + 40;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);

    const auto [first, last] = decades(ratios);
    const double span = std::max(1, last - first);
    const auto xOf = [&](double ratio) {
        const double at = (std::log10(std::max(ratio, 1e-6)) - first) / span;
        return labelWidth + std::clamp(at, 0.0, 1.0) * plotWidth;
    };

    QFont title = font;
    title.setPixelSize(14);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::black);
    p.drawText(QRect(10, 6, width - 20, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Wexal against Qt: Qt's time / Wexal's (> 1x: Wexal is faster)"));
    p.setFont(font);
    p.drawText(QRect(10, 26, width - 20, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1, %2 cores, Qt %3, %4")
                   .arg(processorName())
                   .arg(QThread::idealThreadCount())
                   .arg(QString::fromLatin1(qVersion()),
                        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd"))));

    const int plotBottom = top + int(ratios.size()) * rowHeight;
    p.setPen(QColor(0xDD, 0xDD, 0xDD));
    for (int d = first; d <= last; ++d) {
        const double x = xOf(std::pow(10.0, d));
        p.drawLine(QPointF(x, top - 4), QPointF(x, plotBottom));
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(x - 30, plotBottom + 4, 60, 16), Qt::AlignCenter,
                   QStringLiteral("%1x").arg(std::pow(10.0, d)));
        p.setPen(QColor(0xDD, 0xDD, 0xDD));
    }

    const double one = xOf(1);
    for (size_t i = 0; i < ratios.size(); ++i) {
        const PairRatio& r = ratios[i];
        const int y = top + int(i) * rowHeight;
        p.setPen(Qt::black);
        // How a case was run (iterations:3, real_time) says nothing about what it compares.
        static const QRegularExpression runFlags(
            QStringLiteral("/(iterations:\\d+|real_time|manual_time)"));
        const QString name = QFontMetrics(font).elidedText(
            QString::fromStdString(r.name).remove(runFlags), Qt::ElideMiddle, labelWidth - 16);
        p.drawText(QRect(10, y, labelWidth - 16, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                   name);
        const double x = xOf(r.ratio);
        const QRectF bar(std::min(one, x), y + 3, std::abs(x - one), rowHeight - 6);
        p.fillRect(bar, r.ratio >= 1 ? QColor(0x2E, 0x8B, 0x57) : QColor(0xC8, 0x3C, 0x3C));
        p.drawText(QRectF(std::max(one, x) + 4, y, 70, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1x").arg(r.ratio, 0, 'f', 2));
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(one, top - 8), QPointF(one, plotBottom + 2));
    p.end();
    return image.save(file);
}

} // namespace WexalBench
