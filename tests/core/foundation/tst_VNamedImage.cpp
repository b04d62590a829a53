// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "foundation/VGlobalResource.h"
#include "foundation/VNamedImage.h"

using ImagePointer = QExplicitlySharedDataPointer<VNamedImage>;

class tst_VNamedImage : public QObject
{
    Q_OBJECT

private slots:
    void idsAreUnique();
    void lookupFollowsTheLastHolder();
    void unknownIdIsNull();
};

void tst_VNamedImage::idsAreUnique()
{
    QPixmap pixmap(4, 4);
    pixmap.fill(Qt::red);
    const ImagePointer a(new VNamedImage(pixmap));
    const ImagePointer b(new VNamedImage(pixmap));
    QVERIFY(a->id() != b->id());
    QVERIFY(!a->id().isNull());
    QCOMPARE(VGlobalResource::instance()->image(a->id()).data(), a.data());
    QCOMPARE(VGlobalResource::instance()->image(b->id()).data(), b.data());
    QCOMPARE(a->image().toImage(), pixmap.toImage());
}

void tst_VNamedImage::lookupFollowsTheLastHolder()
{
    QPixmap pixmap(2, 2);
    pixmap.fill(Qt::blue);
    ImagePointer holder(new VNamedImage(pixmap));
    const QUuid id = holder->id();
    {
        // The table hands out another reference; the image survives its first holder.
        ImagePointer second = VGlobalResource::instance()->image(id);
        holder.reset();
        QVERIFY(VGlobalResource::instance()->image(id));
    }
    QVERIFY(!VGlobalResource::instance()->image(id));
}

void tst_VNamedImage::unknownIdIsNull()
{
    QVERIFY(!VGlobalResource::instance()->image(QUuid::createUuid()));
    QVERIFY(!VGlobalResource::instance()->image(QUuid()));
}

TALVIK_TEST_MAIN(tst_VNamedImage)
#include "tst_VNamedImage.moc"
