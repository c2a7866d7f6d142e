#include "shell/FatalSignalReport.h"

#include "common/FileHelpers.h"
#include "shell/CallStack.h"
#include "shell/CodeLocator.h"
#include "shell/CrashReportText.h"
#include "shell/ThrowDescription.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

namespace lumo {

namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];
constexpr std::size_t kPathSize = 4096;
constexpr std::size_t kModuleNameSize = 96;
constexpr std::size_t kMaxModules = 512;
constexpr std::size_t kMaxFrames = 128;

struct ModuleRange {
    std::uintptr_t start;
    std::uintptr_t end;
    char name[kModuleNameSize];
};

struct ModuleTable {
    std::size_t count;
    ModuleRange modules[kMaxModules];
};

// Two tables: the handler reads the published one while the other is rebuilt.
ModuleTable gModuleTables[2];
std::atomic<int> gModuleTable{0};

struct LogBuffer {
    char *data;
    std::size_t capacity;
};
std::atomic<LogBuffer *> gLog{nullptr};
std::atomic<std::size_t> gLogLength{0};
// A replaced buffer lives on until the next replacement, so a fault on another
// thread that is reading it meanwhile still reads valid memory.
LogBuffer *gRetiredLog = nullptr;

char gReportPath[kPathSize];
char gFallbackPath[kPathSize];
char gAbortReason[1024];
std::atomic<bool> gAbortReasonSet{false};
std::atomic<bool> gInstalled{false};
std::atomic<bool> gReported{false};
std::atomic<bool> gHandling{false};
struct sigaction gPrevious[kSignalCount];
std::terminate_handler gPreviousTerminate = nullptr;
stack_t gPreviousAltStack;
void *gAltStack = nullptr;
constexpr std::size_t kAltStackSize = 256 * 1024;

// The fatal block is put together here, outside the heap.
char gBlock[96 * 1024];
StackFrame gFrames[kMaxFrames];
std::size_t gFirstFrame = 0;
std::size_t gFrameCount = 0;
std::uintptr_t gFaultAt = 0;
char gMessage[1400];
const char *gWrittenPath = nullptr;
// How long the names of a fault's frames may take before the plain report stands.
constexpr unsigned kNamingSeconds = 10;

void CopyText(char *target, std::size_t size, const char *text)
{
    std::size_t n = 0;
    for (; text && text[n] && n + 1 < size; ++n)
        target[n] = text[n];
    target[n] = '\0';
}

// Appends to a fixed buffer with async-signal-safe code only.
class BlockWriter {
public:
    // The buffer always holds a terminated string.
    BlockWriter(char *buffer, std::size_t size) : FBuffer(buffer), FSize(size) { FBuffer[0] = '\0'; }
    BlockWriter &Text(const char *text)
    {
        for (; text && *text && FLength + 1 < FSize; ++text)
            FBuffer[FLength++] = *text;
        FBuffer[FLength] = '\0';
        return *this;
    }
    BlockWriter &Pointer(std::uintptr_t value)
    {
        char digits[2 * sizeof value + 2];
        digits[0] = '$';
        for (std::size_t i = 0; i < 2 * sizeof value; ++i) {
            const unsigned nibble = (value >> (4 * (2 * sizeof value - 1 - i))) & 0xF;
            digits[1 + i] = "0123456789ABCDEF"[nibble];
        }
        digits[sizeof digits - 1] = '\0';
        return Text(digits);
    }
    BlockWriter &Number(long value)
    {
        char digits[24];
        std::size_t n = sizeof digits - 1;
        digits[n] = '\0';
        const bool negative = value < 0;
        unsigned long rest = negative ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
        do {
            digits[--n] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest != 0 && n > 1);
        if (negative)
            digits[--n] = '-';
        return Text(digits + n);
    }
    const char *Data() const { return FBuffer; }
    std::size_t Length() const { return FLength; }

private:
    char *FBuffer;
    std::size_t FSize;
    std::size_t FLength = 0;
};

int CollectModule(dl_phdr_info *info, std::size_t, void *argument)
{
    auto *table = static_cast<ModuleTable *>(argument);
    if (table->count >= kMaxModules)
        return 1;
    std::uintptr_t start = UINTPTR_MAX;
    std::uintptr_t end = 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr) &segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD)
            continue;
        const std::uintptr_t from = info->dlpi_addr + segment.p_vaddr;
        start = from < start ? from : start;
        end = from + segment.p_memsz > end ? from + segment.p_memsz : end;
    }
    if (end == 0)
        return 0;
    ModuleRange &module = table->modules[table->count++];
    module.start = start;
    module.end = end;
    const char *path = info->dlpi_name;
    // The executable itself has no name in the list.
    char self[kPathSize];
    if (!path || !*path) {
        const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
        self[n > 0 ? n : 0] = '\0';
        path = self;
    }
    const char *slash = std::strrchr(path, '/');
    CopyText(module.name, sizeof module.name, slash ? slash + 1 : path);
    return 0;
}

const char *ModuleOf(std::uintptr_t address)
{
    const ModuleTable &table = gModuleTables[gModuleTable.load(std::memory_order_acquire)];
    for (std::size_t i = 0; i < table.count; ++i) {
        if (address >= table.modules[i].start && address < table.modules[i].end)
            return table.modules[i].name;
    }
    return "";
}

const char *SignalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "Signal";
    }
}

void SignalMessage(BlockWriter &out, int signal, const siginfo_t *info)
{
    switch (signal) {
    case SIGSEGV:
        out.Text("Zugriffsverletzung bei Adresse ").Pointer(reinterpret_cast<std::uintptr_t>(info->si_addr));
        return;
    case SIGBUS:
        out.Text("Busfehler bei Adresse ").Pointer(reinterpret_cast<std::uintptr_t>(info->si_addr));
        return;
    case SIGFPE:
        out.Text("Rechenfehler (Division durch null oder Überlauf)");
        return;
    case SIGILL:
        out.Text("Ungültiger Maschinenbefehl");
        return;
    case SIGABRT:
        out.Text("Programmabbruch");
        if (gAbortReasonSet.load(std::memory_order_acquire))
            out.Text(" (").Text(gAbortReason).Text(")");
        return;
    default:
        out.Text("Signal ").Number(signal);
        return;
    }
}

std::uintptr_t InterruptedAddress(const void *context)
{
#if defined(__x86_64__)
    return static_cast<std::uintptr_t>(static_cast<const ucontext_t *>(context)->uc_mcontext.gregs[REG_RIP]);
#elif defined(__aarch64__)
    return static_cast<std::uintptr_t>(static_cast<const ucontext_t *>(context)->uc_mcontext.pc);
#elif defined(__i386__)
    return static_cast<std::uintptr_t>(static_cast<const ucontext_t *>(context)->uc_mcontext.gregs[REG_EIP]);
#else
    (void)context;
    return 0;
#endif
}

bool WriteAll(int fd, const char *data, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

// mkdir -p for the folder of a file, in place on a copy of the name.
void MakeFolderOf(const char *file)
{
    char folder[kPathSize];
    CopyText(folder, sizeof folder, file);
    char *slash = std::strrchr(folder, '/');
    if (!slash || slash == folder)
        return;
    *slash = '\0';
    for (char *p = folder + 1; *p; ++p) {
        if (*p == '/') {
            *p = '\0';
            mkdir(folder, 0700);
            *p = '/';
        }
    }
    mkdir(folder, 0700);
}

int OpenReport()
{
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
    int fd = gReportPath[0] ? open(gReportPath, flags, 0644) : -1;
    gWrittenPath = gReportPath;
    if (fd < 0 && gFallbackPath[0]) {
        MakeFolderOf(gFallbackPath);
        fd = open(gFallbackPath, flags, 0644);
        gWrittenPath = gFallbackPath;
    }
    return fd;
}

bool WriteSignalReport(int signal, const siginfo_t *info, const void *context)
{
    const std::uintptr_t at = InterruptedAddress(context);
    char *messageText = gMessage;
    BlockWriter text(messageText, sizeof gMessage);
    SignalMessage(text, signal, info);

    BlockWriter block(gBlock, sizeof gBlock);
    block.Text("Exception ").Text(SignalName(signal)).Text(": ").Text(messageText).Text(" (OS Exception)\r\n");
    block.Text("  Exception occured at ").Pointer(at).Text(" (Module \"").Text(ModuleOf(at));
    block.Text("\", Procedure \"\", Unit \"\", Line 0)\r\n");
    block.Text("  Except frame-dump:\r\n");
    const std::size_t count = CaptureCallStack(gFrames, kMaxFrames);
    std::size_t first = 0;
    while (first < count && gFrames[first].codeAddress != at)
        ++first;
    if (first == count)
        first = 0;
    gFaultAt = at;
    gFirstFrame = first;
    gFrameCount = count;
    for (std::size_t i = first; i < count; ++i) {
        block.Text("    Frame at ").Pointer(gFrames[i].frameAddress).Text(" (type: efkUnknown)\r\n");
        block.Text("      Code at ").Pointer(gFrames[i].codeAddress).Text("\r\n");
        block.Text("      Module \"").Text(ModuleOf(gFrames[i].codeAddress));
        block.Text("\", Procedure \"\", Unit \"\", Line 0\r\n");
    }
    block.Text("\r\n");

    const int fd = OpenReport();
    if (fd < 0)
        return false;
    static const char kHead[] = "Es ist ein unerwarteter Fehler aufgetreten.\r\nFehlermeldung: \"";
    static const char kTail[] = "\r\nBitte informieren Sie den Autor!\r\nDas Programm wird beendet.\r\n";
    bool ok = WriteAll(fd, kHead, sizeof kHead - 1);
    ok = ok && WriteAll(fd, messageText, text.Length()) && WriteAll(fd, "\"\r\n", 3);
    const LogBuffer *log = gLog.load(std::memory_order_acquire);
    const std::size_t logLength = gLogLength.load(std::memory_order_acquire);
    if (ok && log && logLength > 0)
        ok = WriteAll(fd, log->data, logLength <= log->capacity ? logLength : log->capacity);
    ok = ok && WriteAll(fd, block.Data(), block.Length());
    ok = ok && WriteAll(fd, kTail, sizeof kTail - 1);
    close(fd);
    return ok;
}

// Runs in a child process of the faulting one: the report again, with the
// functions, files and lines of the frames. Looking them up allocates and
// reads files, which the signal handler itself must not do; a child that
// hangs on a lock another thread held at the fault is ended by its alarm,
// one that fails leaves the plain report as it is.
void NameTheFrames(int signal)
{
    CodeLocator locator;
    RaisedException raised;
    raised.className = SignalName(signal);
    raised.message = std::string(gMessage);
    raised.byOs = true;
    raised.at = locator.Locate(gFaultAt, false).front();
    const std::vector<StackFrame> stack(gFrames + gFirstFrame, gFrames + gFrameCount);
    raised.frames = FramesFrom(locator, stack, gFaultAt, 0);
    std::string log;
    const LogBuffer *buffer = gLog.load(std::memory_order_acquire);
    if (buffer)
        log.assign(buffer->data, std::min(gLogLength.load(std::memory_order_acquire), buffer->capacity));
    for (const std::string &line : ExceptionBlockLines(raised))
        log += line + "\r\n";
    const std::string temporary = std::string(gWrittenPath) + ".tmp";
    if (WriteTextFile(temporary, ComposeCrashReport(*raised.message, log)))
        rename(temporary.c_str(), gWrittenPath);
    else
        unlink(temporary.c_str());
}

void OnFatalSignal(int signal, siginfo_t *info, void *context)
{
    if (!gHandling.exchange(true) && !gReported.load() && WriteSignalReport(signal, info, context)) {
        const pid_t child = _Fork();
        if (child == 0) {
            alarm(kNamingSeconds);
            NameTheFrames(signal);
            _exit(0);
        }
        while (child > 0 && waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    // The default action ends the process with this signal once the handler
    // returns: the signal stays blocked until then.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

[[noreturn]] void OnTerminate()
{
    // Not a signal handler: the reason may be put together freely.
    std::string reason = "std::terminate";
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception &e) {
            reason += " nach Ausnahme " + TypeName(typeid(e)) + ": " + e.what();
        } catch (...) {
            reason += " nach einer unbekannten Ausnahme";
        }
    }
    CopyText(gAbortReason, sizeof gAbortReason, reason.c_str());
    gAbortReasonSet.store(true, std::memory_order_release);
    std::abort();
}

} // namespace

void FatalSignalReport::Install(const std::string &reportPath, const std::string &fallbackPath)
{
    if (gInstalled.load())
        Uninstall();
    CopyText(gReportPath, sizeof gReportPath, reportPath.c_str());
    CopyText(gFallbackPath, sizeof gFallbackPath, fallbackPath == reportPath ? "" : fallbackPath.c_str());
    gReported.store(false);
    gHandling.store(false);
    gAbortReasonSet.store(false);
    RefreshModules();
    PrepareCallStack();

    // A stack of its own, so that even a stack overflow gets its report.
    gAltStack = std::malloc(kAltStackSize);
    stack_t alt{};
    alt.ss_sp = gAltStack;
    alt.ss_size = kAltStackSize;
    sigaltstack(&alt, &gPreviousAltStack);

    struct sigaction action {};
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kSignalCount; ++i)
        sigaction(kSignals[i], &action, &gPrevious[i]);
    gPreviousTerminate = std::set_terminate(OnTerminate);
    gInstalled.store(true);
}

void FatalSignalReport::Uninstall()
{
    if (!gInstalled.exchange(false))
        return;
    std::set_terminate(gPreviousTerminate);
    for (int i = 0; i < kSignalCount; ++i)
        sigaction(kSignals[i], &gPrevious[i], nullptr);
    sigaltstack(&gPreviousAltStack, nullptr);
    std::free(gAltStack);
    gAltStack = nullptr;
    LogBuffer *log = gLog.exchange(nullptr);
    gLogLength.store(0);
    for (LogBuffer *buffer : {log, gRetiredLog}) {
        if (buffer) {
            std::free(buffer->data);
            delete buffer;
        }
    }
    gRetiredLog = nullptr;
}

bool FatalSignalReport::Installed()
{
    return gInstalled.load();
}

void FatalSignalReport::AppendLog(const std::string &text)
{
    const std::size_t length = gLogLength.load();
    LogBuffer *log = gLog.load();
    if (!log || length + text.size() > log->capacity) {
        // A bigger buffer with the old text, published before the old one retires.
        std::size_t capacity = log ? log->capacity : 64 * 1024;
        while (capacity < length + text.size())
            capacity *= 2;
        auto *bigger = new LogBuffer{static_cast<char *>(std::malloc(capacity)), capacity};
        if (!bigger->data) {
            delete bigger;
            return;
        }
        if (log)
            std::memcpy(bigger->data, log->data, length);
        gLog.store(bigger, std::memory_order_release);
        if (gRetiredLog) {
            std::free(gRetiredLog->data);
            delete gRetiredLog;
        }
        gRetiredLog = log;
        log = bigger;
    }
    std::memcpy(log->data + length, text.data(), text.size());
    gLogLength.store(length + text.size(), std::memory_order_release);
}

void FatalSignalReport::RefreshModules()
{
    const int next = 1 - gModuleTable.load();
    gModuleTables[next].count = 0;
    dl_iterate_phdr(CollectModule, &gModuleTables[next]);
    gModuleTable.store(next, std::memory_order_release);
}

void FatalSignalReport::MarkReported()
{
    gReported.store(true);
}

} // namespace lumo
