#include "shell/CodeLocator.h"

#include <cxxabi.h>
#include <dwarf.h>
#include <elfutils/libdw.h>
#include <elfutils/libdwfl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <memory>

namespace lumo {

namespace {

char *gDebuginfoPath = nullptr;

// Separate debug files are looked up by build ID under the system's debug
// folder only: the standard lookup may ask a debuginfod server on the network.
const Dwfl_Callbacks kCallbacks = {
    dwfl_linux_proc_find_elf,
    dwfl_build_id_find_debuginfo,
    nullptr,
    &gDebuginfoPath,
};

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};

std::string FunctionName(Dwarf_Die *die)
{
    Dwarf_Attribute attribute;
    for (const unsigned name : {DW_AT_linkage_name, DW_AT_MIPS_linkage_name}) {
        if (dwarf_attr_integrate(die, name, &attribute)) {
            if (const char *linkage = dwarf_formstring(&attribute))
                return Demangled(linkage);
        }
    }
    const char *plain = dwarf_diename(die);
    return plain ? plain : "";
}

bool IsFunction(Dwarf_Die *die)
{
    const int tag = dwarf_tag(die);
    return tag == DW_TAG_subprogram || tag == DW_TAG_inlined_subroutine || tag == DW_TAG_entry_point;
}

std::string BaseName(const char *path)
{
    return path ? std::filesystem::path(path).filename().string() : std::string();
}

} // namespace

std::string Demangled(const char *name)
{
    if (!name)
        return {};
    int status = 0;
    std::unique_ptr<char, FreeDeleter> readable(abi::__cxa_demangle(name, nullptr, nullptr, &status));
    return status == 0 && readable ? std::string(readable.get()) : std::string(name);
}

std::string ReportedUnitName(const char *file, const char *compilationFolder)
{
    if (!file || !*file)
        return {};
    std::filesystem::path path(file);
    // The build maps the source tree to ".", so a name that begins with "./"
    // already stands relative to the tree; only other relative names (given
    // relative on the compiler's command line) hang from the compilation folder.
    const bool fromTree = std::string_view(file).rfind("./", 0) == 0;
    if (path.is_relative() && !fromTree && compilationFolder && *compilationFolder)
        path = std::filesystem::path(compilationFolder) / path;
    path = path.lexically_normal();
    std::string name = path.string();
    if (name.rfind("./", 0) == 0)
        name.erase(0, 2);
    return name;
}

CodeLocator::CodeLocator()
{
    FDwfl = dwfl_begin(&kCallbacks);
    ReportModules();
}

CodeLocator::~CodeLocator()
{
    if (FDwfl)
        dwfl_end(FDwfl);
}

void CodeLocator::ReportModules()
{
    if (!FDwfl)
        return;
    // Keeps what is known and adds the libraries loaded since.
    dwfl_report_begin_add(FDwfl);
    dwfl_linux_proc_report(FDwfl, getpid());
    dwfl_report_end(FDwfl, nullptr, nullptr);
}

std::vector<CodeLocation> CodeLocator::Locate(std::uintptr_t address, bool afterCall)
{
    CodeLocation outer;
    outer.address = address;
    if (!FDwfl || address == 0)
        return {outer};
    const Dwarf_Addr pc = afterCall ? address - 1 : address;
    Dwfl_Module *module = dwfl_addrmodule(FDwfl, pc);
    if (!module) {
        ReportModules();
        module = dwfl_addrmodule(FDwfl, pc);
    }
    if (!module)
        return {outer};

    outer.module = BaseName(dwfl_module_info(module, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    GElf_Off offset = 0;
    GElf_Sym symbol;
    const char *symbolName = dwfl_module_addrinfo(module, pc, &offset, &symbol, nullptr, nullptr, nullptr);
    outer.procedure = Demangled(symbolName);
    // Optimised copies of a function carry suffixes such as " [clone .cold]":
    // the report names the function as written.
    if (const std::size_t clone = outer.procedure.find(" [clone "); clone != std::string::npos)
        outer.procedure.erase(clone);

    Dwarf_Addr bias = 0;
    Dwarf_Die *cu = dwfl_module_addrdie(module, pc, &bias);
    // Relative file names are relative to the folder the unit was compiled in.
    Dwarf_Attribute folderAttribute;
    const char *folder = cu ? dwarf_formstring(dwarf_attr(cu, DW_AT_comp_dir, &folderAttribute)) : nullptr;

    // The line of the instruction itself: inside the innermost inlined function.
    std::string file;
    int line = 0;
    if (Dwfl_Line *lineInfo = dwfl_module_getsrc(module, pc)) {
        const char *source = dwfl_lineinfo(lineInfo, nullptr, &line, nullptr, nullptr, nullptr);
        file = ReportedUnitName(source, folder);
    }

    Dwarf_Die *found = nullptr;
    const int foundCount = cu ? dwarf_getscopes(cu, pc - bias, &found) : 0;
    std::unique_ptr<Dwarf_Die, FreeDeleter> foundOwner(found);
    std::vector<CodeLocation> chain;
    if (foundCount > 0) {
        // The nesting as compiled (inlined call inside inlined call inside the
        // function), not the scopes of the inlined functions' definitions.
        Dwarf_Die innermost;
        Dwarf_Die *scopes = nullptr;
        const int count = dwarf_offdie(dwfl_module_getdwarf(module, &bias), dwarf_dieoffset(&found[0]), &innermost)
            ? dwarf_getscopes_die(&innermost, &scopes)
            : 0;
        std::unique_ptr<Dwarf_Die, FreeDeleter> scopesOwner(scopes);
        Dwarf_Files *files = nullptr;
        if (count > 0 && dwarf_getsrcfiles(cu, &files, nullptr) != 0)
            files = nullptr;
        for (int i = 0; i < count; ++i) {
            Dwarf_Die *scope = &scopes[i];
            if (!IsFunction(scope))
                continue;
            CodeLocation entry = outer;
            const bool inlined = dwarf_tag(scope) == DW_TAG_inlined_subroutine;
            if (inlined || outer.procedure.empty())
                entry.procedure = FunctionName(scope);
            entry.unit = file;
            entry.line = line;
            chain.push_back(entry);
            if (!inlined)
                break;
            // The function this one was inlined into goes on at the call.
            Dwarf_Attribute attribute;
            Dwarf_Word value = 0;
            file.clear();
            line = 0;
            if (files && dwarf_formudata(dwarf_attr(scope, DW_AT_call_file, &attribute), &value) == 0)
                file = ReportedUnitName(dwarf_filesrc(files, value, nullptr, nullptr), folder);
            if (dwarf_formudata(dwarf_attr(scope, DW_AT_call_line, &attribute), &value) == 0)
                line = static_cast<int>(value);
        }
    }
    if (chain.empty()) {
        outer.unit = file;
        outer.line = line;
        chain.push_back(outer);
    }
    return chain;
}

} // namespace lumo
