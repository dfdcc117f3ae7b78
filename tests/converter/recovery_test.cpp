// The converter's painted picture in a recovery copy: it comes back exactly, as unsaved work, and
// damaged bytes change nothing.
#include "converter/converterrecovery.h"
#include "converter/graphicsconverter.h"
#include "converterfixture.h"

#include "common/errors.h"
#include "common/recoverystore.h"
#include "support/testpicture.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(ConverterRecovery, ThePaintedPictureComesBackExactlyAndUnsaved)
{
    GraphicsConverter painted;
    painted.TakePicture(GrainyPhoto(64, 40));
    // Painted colours are taken as they are, off the palette too.
    painted.setPixel(3, 5, PackRgb(0x12, 0x34, 0x56));
    painted.setPixel(63, 39, PackRgb(0xFF, 0x00, 0x01));
    ASSERT_TRUE(painted.pictureModified());
    const auto snapshot = ConverterRecoverySnapshot(painted);
    // Painting after the snapshot was taken does not reach it.
    painted.setPixel(0, 0, PackRgb(1, 2, 3));
    const QByteArray bytes = snapshot();

    GraphicsConverter restored;
    QSignalSpy work(&restored, &GraphicsConverter::workChanged);
    RestoreConverterRecovery(restored, bytes, QStringLiteral("kopie"));
    EXPECT_TRUE(restored.pictureModified());
    EXPECT_EQ(work.count(), 1);
    ASSERT_EQ(restored.picture().size(), QSize(64, 40));
    EXPECT_EQ(restored.pixel(3, 5), PackRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(restored.pixel(63, 39), PackRgb(0xFF, 0x00, 0x01));
    EXPECT_NE(restored.pixel(0, 0), PackRgb(1, 2, 3));
    painted.setPixel(0, 0, *restored.pixel(0, 0));
    EXPECT_EQ(restored.picture().convertToFormat(QImage::Format_RGB32), painted.picture().convertToFormat(QImage::Format_RGB32));
    // The table is the one a load makes: one numbered row per picture line and the header row.
    EXPECT_EQ(restored.table().rowCount(), 41);
}

TEST(ConverterRecovery, DamagedBytesAreRefusedAndChangeNothing)
{
    GraphicsConverter painted;
    painted.TakePicture(GrainyPhoto(16, 8));
    painted.setPixel(1, 1, PackRgb(9, 9, 9));
    const QByteArray good = ConverterRecoverySnapshot(painted)();
    QByteArray wrongSize = RecoveryPartBytes(1, QSize(17, 8), QByteArray("x"));
    QByteArray huge = RecoveryPartBytes(1, QSize(100000, 100000), QByteArray("x"));
    QByteArray notPng = RecoveryPartBytes(1, QSize(16, 8), QByteArray(500, 'p'));
    for (const QByteArray& bytes : {QByteArray(), good.left(good.size() / 2), good + "z", wrongSize, huge, notPng}) {
        GraphicsConverter converter;
        converter.TakePicture(GrainyPhoto(4, 4));
        const QImage before = converter.picture();
        try {
            RestoreConverterRecovery(converter, bytes, QStringLiteral("kopie"));
            ADD_FAILURE() << "taken: " << bytes.size() << " bytes";
        } catch (const FileContentError& error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("kopie"))) << error.message().toStdString();
        }
        EXPECT_EQ(converter.picture(), before);
        EXPECT_FALSE(converter.pictureModified());
    }
}

} // namespace
