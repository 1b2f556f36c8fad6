#pragma once
// A report target that writes down every report, in order, while registered.

#include "strings/reportseam.h"

#include <QStringList>

namespace zt::test {

class ReportRecorder : public StringsReportTarget {
public:
    explicit ReportRecorder(bool enabled = true) : enabled_(enabled)
    {
        setStringsReportTarget(this);
    }
    ~ReportRecorder() override { setStringsReportTarget(nullptr); }
    ReportRecorder(const ReportRecorder&) = delete;
    ReportRecorder& operator=(const ReportRecorder&) = delete;

    bool reportsEnabled() const override { return enabled_; }
    void appendDetail(const QString& text) override
    {
        detail += text;
        calls << QLatin1String("detail:") + text;
    }
    void post(const QString& text) override
    {
        posts << text;
        calls << QLatin1String("post:") + text;
    }
    void addVerified() override { calls << QStringLiteral("Text16"); }
    void addCancelledBeforeHit() override { calls << QStringLiteral("Text15"); }
    void addCancelledAfterHit() override { calls << QStringLiteral("Text3"); }

    QString detail;
    QStringList posts;
    QStringList calls;

private:
    bool enabled_;
};

} // namespace zt::test
