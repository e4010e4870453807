// Tests of load failures in words: the machine read from an image's headers, and each failure's reason.
#include "load_error.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

// The first bytes of a Windows image for a machine: "MZ", the signature's offset, "PE\0\0", the machine.
std::vector<unsigned char> ImageHead(unsigned machine, unsigned long peOffset = 0x80)
{
    std::vector<unsigned char> head(0x200, 0);
    head[0] = 'M';
    head[1] = 'Z';
    for (int i = 0; i < 4; i++)
        head[0x3C + i] = static_cast<unsigned char>(peOffset >> (8 * i));
    if (peOffset + 6 <= head.size()) {
        head[peOffset] = 'P';
        head[peOffset + 1] = 'E';
        head[peOffset + 4] = static_cast<unsigned char>(machine);
        head[peOffset + 5] = static_cast<unsigned char>(machine >> 8);
    }
    return head;
}

// The whole reason, as a string.
std::string Reason(unsigned long error, unsigned dllMachine, unsigned programMachine)
{
    char text[512];
    size_t length = LoadErrorReason(error, dllMachine, programMachine, text, sizeof text);
    EXPECT_EQ(strlen(text), length) << "the length returned is the length written when it fits";
    return text;
}

TEST(LoadError, ImageMachineIsTheMachineField)
{
    for (unsigned machine : {MACHINE_I386, MACHINE_AMD64, MACHINE_ARM64, 0x1C4u, 0xFFFFu})
        EXPECT_EQ(machine, ImageMachine(ImageHead(machine).data(), 0x200)) << std::hex << machine;
    std::vector<unsigned char> last = ImageHead(MACHINE_ARM64, 0x1FA);
    EXPECT_EQ(MACHINE_ARM64, ImageMachine(last.data(), last.size())) << "the machine field ends the bytes";
}

TEST(LoadError, ImageMachineOfWhatIsNoImageIsZero)
{
    std::vector<unsigned char> head = ImageHead(MACHINE_I386);
    EXPECT_EQ(0u, ImageMachine(head.data(), 0x3F)) << "too short for the signature's offset";
    EXPECT_EQ(0u, ImageMachine(head.data(), 0x85)) << "cut inside the machine field";
    std::vector<unsigned char> beyond = ImageHead(MACHINE_I386, 0x1FC);
    EXPECT_EQ(0u, ImageMachine(beyond.data(), beyond.size())) << "signature's offset near the end";
    std::vector<unsigned char> huge = ImageHead(MACHINE_I386, 0xFFFFFFF0);
    EXPECT_EQ(0u, ImageMachine(huge.data(), huge.size())) << "signature's offset past the end";
    head[0] = 'Z';
    EXPECT_EQ(0u, ImageMachine(head.data(), head.size())) << "no MZ";
    head = ImageHead(MACHINE_I386);
    head[0x81] = 'X';
    EXPECT_EQ(0u, ImageMachine(head.data(), head.size())) << "no PE signature";
}

TEST(LoadError, ADllOfAnotherMachineNamesBothAndTheTreesThatMatch)
{
    const struct {
        unsigned dll, program;
        const char* reason;
    } cases[] = {
        // Between x86's two machines, by their word sizes.
        {MACHINE_AMD64, MACHINE_I386,
         "it is a 64-bit DLL, which this 32-bit window cannot load (error 193): run the 64-bit window of "
         "build/mingw-x86_64 (editor/window/huebird-window.exe), or give this one the 32-bit DLL of "
         "build/mingw-i686 (host/Huebird.dll)"},
        {MACHINE_I386, MACHINE_AMD64,
         "it is a 32-bit DLL, which this 64-bit window cannot load (error 193): run the 32-bit window of "
         "build/mingw-i686 (editor/window/huebird-window.exe), or give this one the 64-bit DLL of "
         "build/mingw-x86_64 (host/Huebird.dll)"},
        // With ARM64, by their names; there the test program loads the DLL.
        {MACHINE_AMD64, MACHINE_ARM64,
         "it is an x64 DLL, which this ARM64 test program cannot load (error 193): run the x64 window of "
         "build/mingw-x86_64 (editor/window/huebird-window.exe), or give this one the ARM64 DLL of "
         "build/clang-arm64 (host/Huebird.dll)"},
        {MACHINE_I386, MACHINE_ARM64,
         "it is an x86 DLL, which this ARM64 test program cannot load (error 193): run the x86 window of "
         "build/mingw-i686 (editor/window/huebird-window.exe), or give this one the ARM64 DLL of "
         "build/clang-arm64 (host/Huebird.dll)"},
        {MACHINE_ARM64, MACHINE_AMD64,
         "it is an ARM64 DLL, which this x64 window cannot load (error 193): run the ARM64 test program of "
         "build/clang-arm64 (tests/wine/huebird_dll_test.exe), or give this one the x64 DLL of "
         "build/mingw-x86_64 (host/Huebird.dll)"},
        {MACHINE_ARM64, MACHINE_I386,
         "it is an ARM64 DLL, which this x86 window cannot load (error 193): run the ARM64 test program of "
         "build/clang-arm64 (tests/wine/huebird_dll_test.exe), or give this one the x86 DLL of "
         "build/mingw-i686 (host/Huebird.dll)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.reason, Reason(193, c.dll, c.program)) << std::hex << c.dll << " in " << c.program;
}

TEST(LoadError, OtherFailuresSayWhatTheNumberMeans)
{
    const struct {
        unsigned long error;
        unsigned dll, program;
        const char* reason;
    } cases[] = {
        {193, 0, MACHINE_I386, "it is not a Windows DLL for this 32-bit window (error 193)"},
        {193, MACHINE_I386, MACHINE_I386, "it is not a Windows DLL for this 32-bit window (error 193)"},
        {193, 0x1C4, MACHINE_AMD64, "it is not a Windows DLL for this 64-bit window (error 193)"},
        {193, 0, MACHINE_ARM64, "it is not a Windows DLL for this ARM64 test program (error 193)"},
        {193, MACHINE_ARM64, MACHINE_ARM64, "it is not a Windows DLL for this ARM64 test program (error 193)"},
        {193, MACHINE_AMD64, 0, "it is not a Windows DLL for this program (error 193)"},
        {2, 0, MACHINE_I386, "the file or a DLL that it needs was not found (error 2)"},
        {3, 0, MACHINE_ARM64, "the file or a DLL that it needs was not found (error 3)"},
        {126, MACHINE_AMD64, MACHINE_ARM64, "the file or a DLL that it needs was not found (error 126)"},
        {5, 0, MACHINE_I386, "the file may not be read (error 5)"},
        {1114, MACHINE_I386, MACHINE_I386, "its entry function refused to start (error 1114)"},
        {87, MACHINE_I386, MACHINE_AMD64, "the system refused it (error 87)"},
        {0, 0, MACHINE_I386, "the system refused it (error 0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.reason, Reason(c.error, c.dll, c.program)) << "error " << c.error << std::hex << ", " << c.dll
                                                               << " in " << c.program;
}

TEST(LoadError, AReasonLongerThanItsBufferIsCutWithinIt)
{
    const std::string whole = Reason(193, MACHINE_AMD64, MACHINE_I386);
    for (size_t size : {0, 1, 9, 40}) {
        char area[48];
        memset(area, 'x', sizeof area);
        size_t length = LoadErrorReason(193, MACHINE_AMD64, MACHINE_I386, area, size);
        EXPECT_EQ(whole.size(), length) << "size " << size << ": the whole reason's length";
        if (size > 0) {
            EXPECT_EQ(whole.substr(0, size - 1), std::string(area)) << "size " << size;
        }
        for (size_t i = size; i < sizeof area; i++)
            ASSERT_EQ('x', area[i]) << "size " << size << ": written at " << i;
    }
}

} // namespace
