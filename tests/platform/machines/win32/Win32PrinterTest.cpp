// Windows' printing side on a system with no printer installed (Wine's, here): there
// is no default printer, so the album shows its own no-printer message, and nothing
// asks or prints. No dialog opens, so nothing waits for an answer.

#include <gtest/gtest.h>

#include "platform/machines/win32/Win32Printer.h"

TEST(Win32Printer, WithoutAPrinterAnswersNothingAndPrintsNothing) {
    Win32Printer printer([] { return nullptr; });
    if (const std::optional<PrinterDescription> found = printer.DefaultPrinter()) {
        EXPECT_GT(found->width, 0);
        EXPECT_GT(found->height, found->width) << "portrait";
        GTEST_SKIP() << "this system has a printer: " << found->name;
    }
    EXPECT_FALSE(printer.ConfirmPrinting(true));
    EXPECT_FALSE(printer.StartPrintJob("page"));
    EXPECT_FALSE(printer.PrintPage(Surface(8, 6)));
    EXPECT_FALSE(printer.EndPrintJob());
}
