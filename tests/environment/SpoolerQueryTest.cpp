// Port and printer driver queries against Wine's spooler, with a driver and
// a printer the test adds and removes.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <string>

#include "environment/Ports.h"
#include "environment/PrinterPresence.h"

namespace {

struct PortCase {
    const char* name;
    bool exists;
};

// Wine's local monitor offers COM1: to COM4:, LPT1: to LPT3: and FILE:.
const PortCase kPortCases[] = {
    {"LPT1:", true}, {"lpt1:", true},  {"FILE:", true}, {"file:", true},   {"COM1:", true},
    {"LPT1", false}, {"LPT9:", false}, {"", false},     {"Lpt1: ", false},
};

class PortExistsTest : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortExistsTest, FindsTheSpoolersPortsIgnoringCase) {
    EXPECT_EQ(GetParam().exists, setup::PortExists(GetParam().name)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Wine, PortExistsTest, ::testing::ValuesIn(kPortCases));

constexpr const char* kDriver = "Setup Test Driver";
constexpr const char* kPrinter = "Setup Test Printer";

class PrinterPresenceTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (m_printer != nullptr) {
            DeletePrinter(m_printer);
            ClosePrinter(m_printer);
        }
        if (m_driverAdded) {
            DeletePrinterDriverA(nullptr, nullptr, const_cast<char*>(kDriver));
        }
    }

    // Installs a driver built on Wine's PostScript driver.
    void AddDriver() {
        char system[MAX_PATH] = {};
        ASSERT_NE(0u, GetSystemDirectoryA(system, MAX_PATH));
        std::string file = std::string(system) + "\\wineps.drv";
        DRIVER_INFO_3A info = {};
        info.cVersion = 3;
        info.pName = const_cast<char*>(kDriver);
        info.pDriverPath = &file[0];
        info.pDataFile = &file[0];
        info.pConfigFile = &file[0];
        ASSERT_TRUE(
            AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&info), APD_COPY_NEW_FILES))
            << GetLastError();
        m_driverAdded = true;
    }

    void AddLocalPrinter() {
        PRINTER_INFO_2A info = {};
        info.pPrinterName = const_cast<char*>(kPrinter);
        info.pPortName = const_cast<char*>("FILE:");
        info.pDriverName = const_cast<char*>(kDriver);
        info.pPrintProcessor = const_cast<char*>("WinPrint");
        info.pDatatype = const_cast<char*>("RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        m_printer = ::AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        ASSERT_NE(nullptr, m_printer) << GetLastError();
    }

    bool m_driverAdded = false;
    HANDLE m_printer = nullptr;
};

TEST_F(PrinterPresenceTest, DriverIsPresentOnceInstalled) {
    EXPECT_FALSE(setup::IsPrinterPresent(kDriver, false));
    AddDriver();
    EXPECT_TRUE(setup::IsPrinterPresent(kDriver, false));
    EXPECT_TRUE(setup::IsPrinterPresent("SETUP TEST DRIVER", false));
    EXPECT_FALSE(setup::IsPrinterPresent("Setup Test", false));
    EXPECT_FALSE(setup::IsPrinterPresent("", false));
    // No printer uses it yet.
    EXPECT_FALSE(setup::IsPrinterPresent(kDriver, true));
}

TEST_F(PrinterPresenceTest, AsPrinterComparesTheDriverOfEachLocalPrinter) {
    AddDriver();
    AddLocalPrinter();
    EXPECT_TRUE(setup::IsPrinterPresent(kDriver, true));
    EXPECT_TRUE(setup::IsPrinterPresent("setup test driver", true));
    // The printer's own name is not what is compared.
    EXPECT_FALSE(setup::IsPrinterPresent(kPrinter, true));
    EXPECT_FALSE(setup::IsPrinterPresent("", true));
}

}  // namespace
