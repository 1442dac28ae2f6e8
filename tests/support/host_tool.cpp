// A Windows stand-in for one of the host's tools, for the suite under Wine:
// built as pdftotext.exe, pdfinfo.exe and pdfimages.exe, it runs the Linux
// program of its own name in QYAC_HOST_TOOLS_DIR with the same arguments (Windows paths turned into
// Unix ones) and passes on its output and exit code. Poppler has no Windows
// build here. Wine does start a Linux program, but hands it neither the
// caller's pipes nor the caller a process handle to wait on, so the program
// runs under the host's /bin/sh, which writes its output to files in a folder
// of this run and its exit code to a last file once it has ended.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using ToUnix = char*(CDECL*)(LPCWSTR);

ToUnix wineToUnix() {
    return reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

// Quoted for the command line that Wine splits into the Linux program's
// arguments (the rules of CommandLineToArgvW).
std::wstring quoted(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

std::wstring unixPath(const std::wstring& path) {
    char* unix = wineToUnix()(path.c_str());
    if (!unix) {
        return path;
    }
    const int size = MultiByteToWideChar(CP_UTF8, 0, unix, -1, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, unix, -1, out.data(), size);
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// "C:\x" or "C:/x" as the Linux program must be given it; anything else as it is.
std::wstring hostArgument(const std::wstring& arg) {
    const bool drivePath = arg.size() > 2 && arg[1] == L':' && (arg[2] == L'\\' || arg[2] == L'/');
    return drivePath ? unixPath(arg) : arg;
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string contents(const std::wstring& path) {
    std::string data;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return data;
    }
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        data.append(buffer, got);
    }
    CloseHandle(file);
    return data;
}

void writeAll(HANDLE to, const std::string& data) {
    std::size_t done = 0;
    DWORD wrote = 0;
    while (done < data.size() &&
           WriteFile(to, data.data() + done, static_cast<DWORD>(data.size() - done), &wrote,
                     nullptr) &&
           wrote > 0) {
        done += wrote;
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (!wineToUnix()) {
        std::fputs("this stand-in runs the host's tool, so only under Wine\n", stderr);
        return 127;
    }
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring tool = self;
    tool = tool.substr(tool.find_last_of(L"\\/") + 1);
    tool = tool.substr(0, tool.rfind(L'.'));

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"qyac-host-tool-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring out = folder + L"\\out", err = folder + L"\\err",
                       status = folder + L"\\status";
    // The code goes to a file of another name first, so that the one waited
    // for appears complete.
    std::wstring command =
        L"Z:\\bin\\sh -c " +
        quoted(L"o=$1 e=$2 s=$3; shift 3; \"$@\" >\"$o\" 2>\"$e\"; echo $? >\"$s.part\"; "
               L"mv \"$s.part\" \"$s\"") +
        L" sh " + quoted(unixPath(out)) + L" " + quoted(unixPath(err)) + L" " +
        quoted(unixPath(status)) + L" " + quoted(QYAC_HOST_TOOLS_DIR L"/" + tool);
    for (int i = 1; i < argc; ++i) {
        command += L" " + quoted(hostArgument(argv[i]));
    }

    HANDLE change =
        FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &start, &process)) {
        std::fprintf(stderr, "cannot start the host's /bin/sh (error %lu)\n", GetLastError());
        return 127;
    }
    // Woken by every new name in the folder; the deadline is only a safety
    // net for a host program that never ends.
    const ULONGLONG deadline = GetTickCount64() + 10 * 60 * 1000;
    while (!exists(status) && GetTickCount64() < deadline) {
        if (change == INVALID_HANDLE_VALUE) {
            Sleep(20);
        } else if (WaitForSingleObject(change, 1000) == WAIT_OBJECT_0) {
            FindNextChangeNotification(change);
        }
    }
    if (change != INVALID_HANDLE_VALUE) {
        FindCloseChangeNotification(change);
    }
    int code = 127;
    if (exists(status)) {
        const std::string text = contents(status);
        char* end = nullptr;
        const long value = std::strtol(text.c_str(), &end, 10);
        code = end != text.c_str() ? static_cast<int>(value) : 127;
        writeAll(GetStdHandle(STD_OUTPUT_HANDLE), contents(out));
        writeAll(GetStdHandle(STD_ERROR_HANDLE), contents(err));
    } else {
        std::fputs("the host's tool did not end\n", stderr);
    }
    for (const std::wstring& file : {out, err, status}) {
        DeleteFileW(file.c_str());
    }
    RemoveDirectoryW(folder.c_str());
    return code;
}
