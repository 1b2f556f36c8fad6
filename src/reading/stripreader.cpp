// The recognition of each item's digits, by Tesseract.

#include "reading/stripreader.h"

#include <QCryptographicHash>
#include <QHash>
#include <QPainter>

#include <tesseract/baseapi.h>

#include <algorithm>

namespace zt {

namespace {

constexpr int red[] = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};

StripItem::Colour wheelColour(int number)
{
    if (number == 0)
        return StripItem::Green;
    return std::find(std::begin(red), std::end(red), number) != std::end(red) ? StripItem::Red
                                                                              : StripItem::Black;
}

// Below this confidence (0 to 100) a reading of Tesseract's is no reading.
constexpr int leastConfidence = 60;
// Items remembered with their reading.
constexpr qsizetype rememberedItems = 512;

} // namespace

struct StripReader::Engine {
    tesseract::TessBaseAPI api;
    QString fault;
    bool started = false;
    QHash<QByteArray, int> remembered;
};

StripReader::StripReader() : engine_(std::make_unique<Engine>()) {}

StripReader::~StripReader() = default;

QString StripReader::fault()
{
    if (!engine_->started) {
        engine_->started = true;
        // Tesseract's messages stay off the terminal.
        engine_->api.SetVariable("debug_file", "/dev/null");
        if (engine_->api.Init(nullptr, "eng", tesseract::OEM_LSTM_ONLY) != 0) {
            engine_->fault = QStringLiteral("tesseract-ocr-eng");
        } else {
            engine_->api.SetVariable("tessedit_char_whitelist", "0123456789");
            engine_->api.SetVariable("debug_file", "/dev/null");
            engine_->api.SetPageSegMode(tesseract::PSM_SINGLE_WORD);
        }
    }
    return engine_->fault;
}

int StripReader::readItem(const StripItem& item)
{
    if (item.digits.isNull() || !fault().isEmpty())
        return -1;
    const QImage& d = item.digits;
    // The item's pixels, line by line (what pads a line is no pixel).
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < d.height(); ++y)
        hash.addData(QByteArrayView(d.constScanLine(y), d.width()));
    const QByteArray key =
        hash.result() + QByteArray::number(d.width()) + char('0' + item.colour);
    if (auto it = engine_->remembered.constFind(key); it != engine_->remembered.cend())
        return it.value();

    ++recognised_;
    tesseract::TessBaseAPI& api = engine_->api;
    // Read as a word and as a line: the more confident reading counts, and
    // two confident readings that differ are no reading.
    int number = -1;
    int confidence = -1;
    for (const auto mode : {tesseract::PSM_SINGLE_WORD, tesseract::PSM_SINGLE_LINE}) {
        api.SetPageSegMode(mode);
        api.SetImage(d.constBits(), d.width(), d.height(), 1, int(d.bytesPerLine()));
        api.SetSourceResolution(300);
        if (api.Recognize(nullptr) != 0)
            continue;
        std::unique_ptr<char[]> text(api.GetUTF8Text());
        const QString digits = QString::fromUtf8(text.get()).trimmed();
        const int conf = api.MeanTextConf();
        bool ok = false;
        const int value = digits.toInt(&ok);
        if (!ok || digits.size() > 2 || conf < leastConfidence)
            continue;
        if (number >= 0 && value != number) {
            number = -1;
            break;
        }
        if (conf > confidence) {
            number = value;
            confidence = conf;
        }
    }
    // A lone 0 is often no reading at all: the digits twice, side by side,
    // give the recognition a line to read, and both must agree.
    if (number < 0 && confidence < 0) {
        QImage twice(d.width() * 2, d.height(), QImage::Format_Grayscale8);
        twice.fill(255);
        QPainter p(&twice);
        p.drawImage(0, 0, d);
        p.drawImage(d.width(), 0, d);
        p.end();
        api.SetPageSegMode(tesseract::PSM_SINGLE_LINE);
        api.SetImage(twice.constBits(), twice.width(), twice.height(), 1,
                     int(twice.bytesPerLine()));
        api.SetSourceResolution(300);
        if (api.Recognize(nullptr) == 0) {
            std::unique_ptr<char[]> text(api.GetUTF8Text());
            number = api.MeanTextConf() >= leastConfidence
                         ? numberReadTwice(QString::fromUtf8(text.get()))
                         : -1;
        }
    }
    api.Clear();
    // The colour must agree with the wheel's; a number outside it stays as read.
    if (number >= 0 && number <= 36 && item.colour != StripItem::Unknown &&
        item.colour != wheelColour(number))
        number = -1;
    if (engine_->remembered.size() >= rememberedItems)
        engine_->remembered.clear();
    engine_->remembered.insert(key, number);
    return number;
}

int StripReader::numberReadTwice(const QString& text)
{
    const QString read = QString(text).remove(u' ').trimmed();
    const QString half = read.left(read.size() / 2);
    bool ok = false;
    const int number = read.size() % 2 == 0 && half.size() <= 2 && read == half + half
                           ? half.toInt(&ok)
                           : -1;
    return ok ? number : -1;
}

QList<int> StripReader::read(const QImage& picture, NewestEnd newest)
{
    QList<int> numbers = readAll(picture, newest);
    if (lastCutAway_)
        numbers.removeLast();
    return numbers;
}

QList<int> StripReader::readAll(const QImage& picture, NewestEnd newest)
{
    if (!lastPicture_.isNull() && newest == lastNewest_ && picture == lastPicture_)
        return lastNumbers_;
    QList<StripItem> items = stripItems(picture);
    if (newest == NewestEnd::Right)
        std::reverse(items.begin(), items.end());
    QList<int> numbers;
    for (const StripItem& item : items)
        numbers.append(item.cut ? -1 : readItem(item));
    lastPicture_ = picture;
    lastNewest_ = newest;
    lastNumbers_ = numbers;
    lastCutAway_ = !items.isEmpty() && items.last().cut;
    return numbers;
}

QList<QList<int>> StripReader::readGrab(const QImage& picture, NewestEnd newest)
{
    QList<QRect> boxes;
    for (const StripItem& item : stripItems(picture))
        boxes.append(item.box);
    const bool resting = !lastGrab_.isNull() && boxes == lastBoxes_;
    const QImage before = std::exchange(lastGrab_, picture);
    lastBoxes_ = boxes;
    if (!resting) {
        lastGrabRead_ = false;
        return {QList<int>()};
    }
    QList<QList<int>> readings;
    if (!lastGrabRead_)
        readings.append(readAll(before, newest));
    readings.append(readAll(picture, newest));
    lastGrabRead_ = true;
    return readings;
}

} // namespace zt
