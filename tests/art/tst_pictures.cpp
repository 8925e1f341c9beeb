#include "pictures.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Picture
{
    Art kind;
    int index;
    const char *name;
};

const Picture allPictures[] = {
    {Art::ProgramIcon, 0, "program icon"}, {Art::NormalTime, 0, "normal time"},
    {Art::SummerTime, 0, "summer time"},   {Art::Mascot, 0, "mascot 0"},
    {Art::Mascot, 1, "mascot 1"},          {Art::Mascot, 2, "mascot 2"},
    {Art::Mascot, 3, "mascot 3"},          {Art::Mascot, 4, "mascot 4"},
    {Art::Frame, 0, "frame 0"},            {Art::Frame, 1, "frame 1"},
    {Art::Frame, 2, "frame 2"},            {Art::Frame, 3, "frame 3"},
    {Art::Frame, 4, "frame 4"},            {Art::Frame, 5, "frame 5"},
    {Art::Frame, 6, "frame 6"},            {Art::Frame, 7, "frame 7"},
    {Art::Frame, 8, "frame 8"},            {Art::Frame, 9, "frame 9"},
    {Art::OpenFile, 0, "open file"},       {Art::SaveFile, 0, "save file"},
};

QImage imageOf(Art kind, int index, int side, qreal dpr = 1.0)
{
    return artPixmap(kind, index, side, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Share of pixels that are mostly opaque.
double coverage(const QImage &image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
    return double(opaque) / (image.width() * image.height());
}

// Share of pixels whose colour or opacity differs clearly between the two images.
double changedShare(const QImage &a, const QImage &b)
{
    int changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            changed += d > 40 ? 1 : 0;
        }
    }
    return double(changed) / (a.width() * a.height());
}

struct Mean
{
    double r = 0, g = 0, b = 0;
    double luma() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

// Mean colour of the visible pixels, weighted by opacity.
Mean meanColour(const QImage &image)
{
    Mean m;
    double weight = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const double a = qAlpha(p) / 255.0;
            m.r += qRed(p) * a;
            m.g += qGreen(p) * a;
            m.b += qBlue(p) * a;
            weight += a;
        }
    }
    if (weight > 0) {
        m.r /= weight;
        m.g /= weight;
        m.b /= weight;
    }
    return m;
}

// Share of pixels that are opaque in exactly one of the two silhouettes.
double silhouetteDifference(const QImage &a, const QImage &b)
{
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differ += (qAlpha(a.pixel(x, y)) >= 128) != (qAlpha(b.pixel(x, y)) >= 128) ? 1 : 0;
    return double(differ) / (a.width() * a.height());
}

QByteArray sourceFile(const QString &relative)
{
    const QString root = qEnvironmentVariable("TAMO_SOURCE_DIR");
    if (root.isEmpty())
        return {};
    QFile file(root + u'/' + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestPictures final : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureIsDrawn_data();
    void everyPictureIsDrawn();
    void indicatorsAreTellApart_data();
    void indicatorsAreTellApart();
    void highDensityRequests_data();
    void highDensityRequests();
    void seriesArePairwiseDifferent_data();
    void seriesArePairwiseDifferent();
    void repeatedRequestsComeFromTheCache();
    void nonsenseRequestsStaySane();
    void programIconHasDesktopSizes();
    void maximsFile();
    void desktopIconIsWellFormed();
    void desktopEntry();
};

void TestPictures::everyPictureIsDrawn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("side");
    for (const Picture &p : allPictures) {
        for (int side : {20, 64})
            QTest::addRow("%s at %d px", p.name, side) << int(p.kind) << p.index << side;
    }
}

void TestPictures::everyPictureIsDrawn()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(int, side);
    const QImage image = imageOf(Art(kind), index, side);
    QCOMPARE(image.size(), QSize(side, side));
    // Fills a good part of its box, but is not a flat square: the shape shows.
    const double share = coverage(image);
    QVERIFY2(share > 0.3, qPrintable(u"only %1 of the box is drawn"_s.arg(share)));
    QVERIFY2(share < 0.97, qPrintable(u"%1 of the box is opaque: no shape"_s.arg(share)));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                colours.insert(image.pixel(x, y) & 0xf0f0f0);
    QVERIFY2(colours.size() >= 3, "the picture has no detail");
}

void TestPictures::indicatorsAreTellApart_data()
{
    QTest::addColumn<int>("side");
    QTest::newRow("20 px, the size beside a clock row") << 20;
    QTest::newRow("64 px") << 64;
}

void TestPictures::indicatorsAreTellApart()
{
    QFETCH(int, side);
    const QImage normal = imageOf(Art::NormalTime, 0, side);
    const QImage summer = imageOf(Art::SummerTime, 0, side);
    const Mean a = meanColour(normal);
    const Mean b = meanColour(summer);
    const double distance = std::hypot(a.r - b.r, a.g - b.g, a.b - b.b);
    QVERIFY2(distance > 150, qPrintable(u"mean colours only %1 apart"_s.arg(distance)));
    // Without colour: one is clearly lighter, and the outlines differ.
    const double lumaGap = std::abs(a.luma() - b.luma());
    QVERIFY2(lumaGap > 60, qPrintable(u"lightness only %1 apart"_s.arg(lumaGap)));
    const double shapeGap = silhouetteDifference(normal, summer);
    QVERIFY2(shapeGap > 0.12, qPrintable(u"silhouettes differ in only %1"_s.arg(shapeGap)));
}

void TestPictures::highDensityRequests_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<int>("devicePx");
    QTest::newRow("indicator at 2x") << int(Art::SummerTime) << qreal(2.0) << 40;
    QTest::newRow("mascot at 2x") << int(Art::Mascot) << qreal(2.0) << 40;
    QTest::newRow("frame at 2x") << int(Art::Frame) << qreal(2.0) << 40;
    QTest::newRow("program icon at 1.5x") << int(Art::ProgramIcon) << qreal(1.5) << 30;
    QTest::newRow("save icon at 1.25x rounds") << int(Art::SaveFile) << qreal(1.25) << 25;
}

void TestPictures::highDensityRequests()
{
    QFETCH(int, kind);
    QFETCH(qreal, dpr);
    QFETCH(int, devicePx);
    const QPixmap pixmap = artPixmap(Art(kind), 0, 20, dpr);
    QCOMPARE(pixmap.size(), QSize(devicePx, devicePx));
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(devicePx / dpr, devicePx / dpr));
    // Drawn at full density, not a 1x picture blown up: it matches a plain request of that size.
    const QImage dense = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage plain = imageOf(Art(kind), 0, devicePx);
    QVERIFY2(changedShare(dense, plain) < 0.01, "the dense picture is not drawn at its size");
    QVERIFY(coverage(dense) > 0.3);
}

void TestPictures::seriesArePairwiseDifferent_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("side");
    QTest::newRow("animation frames at 20 px") << int(Art::Frame) << 20;
    QTest::newRow("animation frames at 64 px") << int(Art::Frame) << 64;
    QTest::newRow("mascots at 20 px") << int(Art::Mascot) << 20;
    QTest::newRow("mascots at 64 px") << int(Art::Mascot) << 64;
}

void TestPictures::seriesArePairwiseDifferent()
{
    QFETCH(int, kind);
    QFETCH(int, side);
    const int count = artCount(Art(kind));
    QVERIFY(count > 1);
    QList<QImage> images;
    for (int i = 0; i < count; ++i)
        images.append(imageOf(Art(kind), i, side));
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const double share = changedShare(images[i], images[j]);
            QVERIFY2(share >= 0.02,
                     qPrintable(u"pictures %1 and %2 differ in only %3"_s.arg(i).arg(j).arg(share)));
        }
    }
}

void TestPictures::repeatedRequestsComeFromTheCache()
{
    const QPixmap first = artPixmap(Art::Frame, 3, 20, 1.0);
    QCOMPARE(artPixmap(Art::Frame, 3, 20, 1.0).cacheKey(), first.cacheKey());
    QVERIFY(artPixmap(Art::Frame, 3, 20, 2.0).cacheKey() != first.cacheKey());
    QVERIFY(artPixmap(Art::Frame, 3, 21, 1.0).cacheKey() != first.cacheKey());
    QVERIFY(artPixmap(Art::Frame, 4, 20, 1.0).cacheKey() != first.cacheKey());
    QVERIFY(artPixmap(Art::Mascot, 3, 20, 1.0).cacheKey() != first.cacheKey());
}

void TestPictures::nonsenseRequestsStaySane()
{
    // Indexes wrap, so a miscounted frame still shows a picture of the series.
    QCOMPARE(imageOf(Art::Frame, 10, 20), imageOf(Art::Frame, 0, 20));
    QCOMPARE(imageOf(Art::Frame, -1, 20), imageOf(Art::Frame, 9, 20));
    QCOMPARE(imageOf(Art::Mascot, 7, 20), imageOf(Art::Mascot, 2, 20));
    QCOMPARE(imageOf(Art::SummerTime, 5, 20), imageOf(Art::SummerTime, 0, 20));

    const QPixmap empty = artPixmap(Art::Mascot, 0, 0);
    QVERIFY(!empty.isNull());
    QCOMPARE(empty.size(), QSize(1, 1));
    QCOMPARE(artPixmap(Art::Mascot, 0, -300).size(), QSize(1, 1));

    // A hand-edited icon scale of 1e9 must not ask for gigapixels.
    const QPixmap huge = artPixmap(Art::NormalTime, 0, 2'000'000'000, 8.0);
    QVERIFY(!huge.isNull());
    QVERIFY(huge.width() <= 4096);
    QCOMPARE(huge.width(), huge.height());

    for (qreal bad : {qreal(0), qreal(-2), qreal(std::nan("")), qreal(INFINITY)}) {
        const QPixmap p = artPixmap(Art::SummerTime, 0, 20, bad);
        QVERIFY(p.devicePixelRatio() > 0 && std::isfinite(p.devicePixelRatio()));
        QVERIFY(p.width() >= 20 && p.width() <= 4096);
    }
    QCOMPARE(artPixmap(Art::SummerTime, 0, 20, 0).size(), QSize(20, 20));
}

void TestPictures::programIconHasDesktopSizes()
{
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(u"no %1 px icon"_s.arg(side)));
    QVERIFY(coverage(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(
                QImage::Format_ARGB32)) > 0.3);
}

void TestPictures::maximsFile()
{
    const QByteArray bytes = sourceFile(u"data/kakugen.txt"_s);
    QVERIFY2(!bytes.isEmpty(), "data/kakugen.txt not found under TAMO_SOURCE_DIR");

    QStringDecoder cp932("windows-31j");
    QVERIFY2(cp932.isValid(), "no CP932 decoder in this Qt");
    const QString text = cp932.decode(bytes);
    QVERIFY2(!cp932.hasError(), "the file is not valid CP932");
    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "the file carries a UTF-8 byte-order mark");

    QVERIFY2(text.endsWith(u"\r\n"_s), "the last line has no CR LF");
    QStringList lines = text.split(u"\r\n"_s);
    lines.removeLast();
    QCOMPARE(lines.size(), 366);

    QSet<QString> seen;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        const QString where = u"line %1 (%2)"_s.arg(n + 1).arg(line);
        QVERIFY2(!line.trimmed().isEmpty(), qPrintable(where + u": empty"_s));
        QVERIFY2(!line.contains(u'\r') && !line.contains(u'\n'),
                 qPrintable(where + u": lone line break"_s));
        QVERIFY2(line.trimmed() == line, qPrintable(where + u": blanks at its ends"_s));
        const bool quoted = line.size() >= 2 && line.startsWith(u'"') && line.endsWith(u'"') &&
                            line.count(u'"') == 2;
        QVERIFY2(quoted || !line.contains(u','), qPrintable(where + u": unquoted comma"_s));
        QVERIFY2(quoted || !line.contains(u'"'), qPrintable(where + u": stray quote"_s));
        bool isNumber = false;
        line.toDouble(&isNumber);
        QVERIFY2(!isNumber, qPrintable(where + u": a number, not a saying"_s));
        QVERIFY2(!seen.contains(line), qPrintable(where + u": said before"_s));
        seen.insert(line);
    }
}

void TestPictures::desktopIconIsWellFormed()
{
    const QByteArray svg = sourceFile(u"data/tamotime.svg"_s);
    QVERIFY2(!svg.isEmpty(), "data/tamotime.svg not found under TAMO_SOURCE_DIR");
    QXmlStreamReader xml(svg);
    bool sawRoot = false;
    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!sawRoot) {
            QCOMPARE(xml.name().toString(), u"svg"_s);
            QCOMPARE(xml.attributes().value(u"viewBox"_s).toString(), u"0 0 100 100"_s);
            sawRoot = true;
        }
        const QString name = xml.name().toString();
        shapes += (name == u"path"_s || name == u"circle"_s || name == u"ellipse"_s) ? 1 : 0;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(sawRoot);
    QVERIFY(shapes >= 10);
}

void TestPictures::desktopEntry()
{
    const QByteArray bytes = sourceFile(u"data/tamotime.desktop"_s);
    QVERIFY2(!bytes.isEmpty(), "data/tamotime.desktop not found under TAMO_SOURCE_DIR");
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), u"[Desktop Entry]"_s);
    QHash<QString, QString> keys;
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    QCOMPARE(keys.value(u"Type"_s), u"Application"_s);
    QCOMPARE(keys.value(u"Name"_s), u"TamoTime"_s);
    QCOMPARE(keys.value(u"Name[ja]"_s), u"タモタイム"_s);
    QCOMPARE(keys.value(u"Exec"_s), u"TamoTime"_s);
    // The installed icon is data/tamotime.svg, found by this name.
    QCOMPARE(keys.value(u"Icon"_s), u"tamotime"_s);
    QCOMPARE(keys.value(u"Terminal"_s), u"false"_s);
    QVERIFY(keys.value(u"Categories"_s).split(u';').contains(u"Clock"_s));
    QVERIFY(!keys.value(u"Comment[ja]"_s).isEmpty());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
