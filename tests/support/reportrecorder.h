#pragma once
// A report target that writes down every report, in order.

#include "core/engine.h"

#include <QStringList>

namespace zt::test {

struct ReportRecorder : StringsReportTarget {
    explicit ReportRecorder(bool on = true) : enabled(on) {}

    bool reportsEnabled() const override { return enabled; }
    void appendDetail(const QString& text) override { calls << QLatin1String("detail:") + text; }
    void post(const QString& text) override { calls << QLatin1String("post:") + text; }
    void addVerified() override { calls << QStringLiteral("Text16"); }
    void addCancelledBeforeHit() override { calls << QStringLiteral("Text15"); }
    void addCancelledAfterHit() override { calls << QStringLiteral("Text3"); }

    bool enabled;
    QStringList calls;
};

} // namespace zt::test
