// The application's engine: the real one over rasterpdf, the process-wide switch, and the
// scripted engine other tests rely on.

#include "pagepress/documents/pdfengine.h"
#include "pagepress/documents/rasterpdfengine.h"
#include "pagepress/documents/testing/scriptedpdfengine.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <latch>
#include <thread>

namespace {

QString fixture(const char *name)
{
    const QString dir = qEnvironmentVariable("PP_FIXTURES_DIR", QStringLiteral(PP_FIXTURES_DIR_DEFAULT));
    return QDir(dir).filePath(QString::fromLatin1(name));
}

RasterDC surfaceOf(QImage &image)
{
    return RasterDC{image.bits(), image.width(), image.height(), static_cast<int32_t>(image.bytesPerLine())};
}

TEST(RasterPdfEngine, OpensAUnicodePathAndDrawsIntoAnImage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QString::fromUtf16(u"Übersicht 文件 \"copy\" l'été.pdf"));
    ASSERT_TRUE(QFile::copy(fixture("refcard-a4.pdf"), path));

    PdfEngine &engine = pdfEngine();
    ASSERT_NE(dynamic_cast<RasterPdfEngine *>(&engine), nullptr) << "the default engine is not rasterpdf";
    const int32_t handle = engine.open(path);
    ASSERT_GE(handle, 1);
    EXPECT_EQ(engine.pageCount(handle), 3);

    // The preview hands a QImage's bits to the engine.
    QImage image(168, 194, QImage::Format_RGB32);
    image.fill(Qt::green);
    RasterDC dc = surfaceOf(image);
    engine.render(dc, handle, 0, image.width(), image.height());
    engine.render(dc, 0, 1, image.width(), image.height());
    EXPECT_EQ(image.pixel(84, 97), QColor(Qt::green).rgb()) << "handle 0 or page 0 drew";

    engine.render(dc, handle, 1, image.width(), image.height());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)); // letterbox of a landscape page
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 100);
    engine.close(handle);
    EXPECT_LT(engine.pageCount(handle), 1);
}

TEST(RasterPdfEngine, RefusesPathsItCannotOpenFaithfully)
{
    RasterPdfEngine engine;
    const QString withNul = fixture("refcard-a4.pdf") + QChar(u'\0') + QStringLiteral("tail");
    EXPECT_LT(engine.open(withNul), 0);
    EXPECT_LT(engine.open(QString()), 0);
    EXPECT_LT(engine.open(fixture("no-such-file.pdf")), 0);
    engine.close(0);
    engine.close(-1);
}

TEST(PdfEngineSwitch, InstallsAndRestoresAnEngine)
{
    PdfEngine *original = &pdfEngine();
    {
        ScriptedPdfEngine scripted;
        ScopedPdfEngine install(scripted);
        EXPECT_EQ(&pdfEngine(), &scripted);
        pdfEngine().close(0);
        EXPECT_EQ(scripted.closeCalls(), 1);
    }
    EXPECT_EQ(&pdfEngine(), original);
    EXPECT_EQ(setPdfEngine(nullptr), original);
}

TEST(ScriptedPdfEngine, FollowsItsScript)
{
    ScriptedPdfEngine engine;
    engine.setDefaultPageCount(4);
    engine.setPageCount("big.pdf", 300);
    engine.setOpenResult("broken.pdf", -2);

    const int32_t big = engine.open("big.pdf");
    const int32_t other = engine.open("other.pdf");
    EXPECT_GE(big, 1);
    EXPECT_NE(big, other);
    EXPECT_EQ(engine.open("broken.pdf"), -2);
    EXPECT_EQ(engine.pageCount(big), 300);
    EXPECT_EQ(engine.pageCount(other), 4);
    EXPECT_EQ(engine.openDocuments(), 2);
    EXPECT_EQ(engine.openedPaths(), QStringList({"big.pdf", "other.pdf", "broken.pdf"}));

    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    RasterDC dc = surfaceOf(image);
    engine.render(dc, big, 0, 20, 10);
    engine.render(dc, 0, 1, 20, 10);
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
    engine.render(dc, big, 300, 10, 10);
    EXPECT_EQ(image.pixel(5, 5), ScriptedPdfEngine::pageColour);
    EXPECT_EQ(image.pixel(15, 5), qRgb(0, 0, 0)) << "painted outside the area";
    EXPECT_EQ(engine.renderCalls(), 3);

    engine.close(big);
    engine.close(other);
    EXPECT_EQ(engine.openDocuments(), 0);
    EXPECT_EQ(engine.pageCount(big), -1);
}

TEST(ScriptedPdfEngine, HeldOpensWaitUntilReleased)
{
    ScriptedPdfEngine engine;
    engine.holdOpens();
    std::atomic<int32_t> handle{0};
    std::thread adder([&] { handle = engine.open("a.pdf"); });
    while (engine.waitingOpens() == 0)
        std::this_thread::yield();
    EXPECT_EQ(handle, 0);
    engine.releaseOpens();
    adder.join();
    EXPECT_GE(handle, 1);
}

TEST(ScriptedPdfEngine, CountsCallsFromTwoThreads)
{
    ScriptedPdfEngine engine;
    engine.setOpenDelay(std::chrono::milliseconds(1));
    std::latch start(2);
    auto work = [&] {
        start.arrive_and_wait();
        for (int i = 0; i < 50; ++i) {
            const int32_t handle = engine.open("x.pdf");
            engine.pageCount(handle);
            engine.close(handle);
        }
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(engine.openCalls(), 100);
    EXPECT_EQ(engine.pageCountCalls(), 100);
    EXPECT_EQ(engine.closeCalls(), 100);
    EXPECT_EQ(engine.openDocuments(), 0);
}

} // namespace
