#include "QStringPrinter.h"
#include "report/CalculationNote.h"
#include "report/NotePdf.h"

#include <gtest/gtest.h>

TEST(NotePdf, LongNoteIsPaginatedOnA4)
{
    TData data;
    data.Comment = QStringLiteral("Église & nef");
    for (int j = 0; j < 12; ++j) {
        TSection s;
        s.se_niveau = j;
        s.se_htrsec = 1;
        data.Sections.append(s);
    }
    const QByteArray courte = NotePdf(PageNdC(data, false), QStringLiteral("Note"));
    const QByteArray longue = NotePdf(PageNdC(data, true), QStringLiteral("Note"));
    for (const QByteArray* pdf : {&courte, &longue}) {
        EXPECT_TRUE(pdf->startsWith("%PDF-"));
        EXPECT_TRUE(pdf->trimmed().endsWith("%%EOF"));
        // A4 landscape, in points.
        EXPECT_TRUE(pdf->contains("/MediaBox [0 0 842.000000 595.000000]"));
    }
    // The listing of 12 sections (386 rows) cannot fit on the pages of the
    // results alone.
    EXPECT_GT(longue.count("/Type /Page\n"), courte.count("/Type /Page\n"));
    EXPECT_GE(courte.count("/Type /Page\n"), 1);
}
