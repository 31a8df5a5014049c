/* A stand-in for a Windows SSTV program, run under Wine in the end-to-end
 * tests. Its window logs every key it gets and, when a program's paste keys
 * are complete, what it can read from the clipboard:
 *
 *   F7                          (as EasyPal)
 *   the characters 1 t 1 p      (as KG-STV)
 *   Edit > Paste of its menu    (as MMSSTV, reached by Alt+E then p)
 *
 *   win32_sstv_standin.exe <title> <log file> [--busy]
 *
 * With --busy the window thread is blocked 60 ms of every 100 ms, as an SSTV
 * program's is while it decodes audio. Log lines (UTF-8, one flush each):
 *
 *   ready
 *   keydown F7 | keydown 0x12 | syskeydown E | char 1 | command paste
 *   read easypal|kgstv|mmsstv
 *   formats CF_BITMAP CF_DIB ... (every format the clipboard offers)
 *   dib <width>x<height> centre <r>,<g>,<b>   (or "dib none")
 *   hdrop <path>                               (or "hdrop none")
 *   read end
 */

#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <string.h>

#define ID_PASTE 100
#define BUSY_TIMER 1

static FILE* logFile;
static char typed[8]; /* the last characters typed, for 1t1p */

static void logLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    vfprintf(logFile, format, args);
    va_end(args);
    fputc('\n', logFile);
    fflush(logFile);
}

static void logWide(const char* prefix, const WCHAR* text) {
    char utf8[4 * MAX_PATH];
    if (!WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL))
        strcpy(utf8, "?");
    logLine("%s%s", prefix, utf8);
}

static void keyName(WPARAM vk, char* out, size_t size) {
    if (vk >= VK_F1 && vk <= VK_F24)
        snprintf(out, size, "F%u", (unsigned)(vk - VK_F1 + 1));
    else if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        snprintf(out, size, "%c", (char)vk);
    else
        snprintf(out, size, "0x%02X", (unsigned)vk);
}

static const char* standardFormatName(UINT format) {
    static const struct {
        UINT id;
        const char* name;
    } names[] = {{CF_TEXT, "CF_TEXT"},
                 {CF_BITMAP, "CF_BITMAP"},
                 {CF_METAFILEPICT, "CF_METAFILEPICT"},
                 {CF_DIB, "CF_DIB"},
                 {CF_PALETTE, "CF_PALETTE"},
                 {CF_UNICODETEXT, "CF_UNICODETEXT"},
                 {CF_ENHMETAFILE, "CF_ENHMETAFILE"},
                 {CF_HDROP, "CF_HDROP"},
                 {CF_LOCALE, "CF_LOCALE"},
                 {CF_DIBV5, "CF_DIBV5"},
                 {CF_OEMTEXT, "CF_OEMTEXT"}};
    for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i)
        if (names[i].id == format) return names[i].name;
    return NULL;
}

static void logFormats(void) {
    char line[4096] = "formats";
    for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) {
        char name[256];
        const char* standard = standardFormatName(f);
        if (standard)
            snprintf(name, sizeof name, "%s", standard);
        else if (!GetClipboardFormatNameA(f, name, sizeof name))
            snprintf(name, sizeof name, "#%u", f);
        if (strlen(line) + strlen(name) + 2 < sizeof line) {
            strcat(line, " ");
            strcat(line, name);
        }
    }
    logLine("%s", line);
}

/* The pixel at (x, y) from the top of a packed DIB; 0 when its layout is not
 * one of the plain ones. */
static int dibPixel(const BYTE* dib, SIZE_T size, int x, int y, int* r, int* g, int* b) {
    const BITMAPINFOHEADER* h = (const BITMAPINFOHEADER*)dib;
    if (size < sizeof *h || h->biSize < sizeof *h || h->biWidth <= 0 || h->biHeight == 0)
        return 0;
    const int width = h->biWidth;
    const int height = h->biHeight < 0 ? -h->biHeight : h->biHeight;
    const int bits = h->biBitCount;
    SIZE_T colours = h->biClrUsed;
    if (!colours && bits <= 8) colours = (SIZE_T)1 << bits;
    SIZE_T offset = h->biSize + colours * 4;
    if (h->biCompression == BI_BITFIELDS && h->biSize == sizeof *h) offset += 12;
    else if (h->biCompression != BI_RGB && h->biCompression != BI_BITFIELDS) return 0;
    const SIZE_T stride = (((SIZE_T)width * bits + 31) / 32) * 4;
    const int row = h->biHeight > 0 ? height - 1 - y : y;
    if (offset + stride * (SIZE_T)height > size || x >= width || y >= height) return 0;
    const BYTE* line = dib + offset + stride * (SIZE_T)row;
    if (bits == 24 || bits == 32) {
        const BYTE* p = line + (SIZE_T)x * (bits / 8);
        *b = p[0], *g = p[1], *r = p[2];
        return 1;
    }
    if (bits == 8 || bits == 4 || bits == 1) {
        const int perByte = 8 / bits;
        const int shift = (perByte - 1 - x % perByte) * bits;
        const int index = (line[x / perByte] >> shift) & ((1 << bits) - 1);
        if ((SIZE_T)index >= colours) return 0;
        const BYTE* q = dib + h->biSize + (SIZE_T)index * 4;
        *b = q[0], *g = q[1], *r = q[2];
        return 1;
    }
    return 0;
}

static void logDib(void) {
    HANDLE data = GetClipboardData(CF_DIB);
    const BYTE* dib = data ? GlobalLock(data) : NULL;
    if (!dib) {
        logLine("dib none");
        return;
    }
    const BITMAPINFOHEADER* h = (const BITMAPINFOHEADER*)dib;
    const int width = h->biWidth, height = h->biHeight < 0 ? -h->biHeight : h->biHeight;
    int r = -1, g = -1, b = -1;
    dibPixel(dib, GlobalSize(data), width / 2, height / 2, &r, &g, &b);
    logLine("dib %dx%d centre %d,%d,%d", width, height, r, g, b);
    GlobalUnlock(data);
}

static void logHdrop(void) {
    HDROP drop = (HDROP)GetClipboardData(CF_HDROP);
    WCHAR path[MAX_PATH];
    if (!drop || !DragQueryFileW(drop, 0, path, MAX_PATH)) {
        logLine("hdrop none");
        return;
    }
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, NULL, 0);
    for (UINT i = 0; i < count; ++i)
        if (DragQueryFileW(drop, i, path, MAX_PATH)) logWide("hdrop ", path);
}

static void readClipboard(HWND window, const char* as) {
    logLine("read %s", as);
    /* Another program may hold the clipboard for a moment. */
    int opened = 0;
    for (int attempt = 0; attempt < 50 && !opened; ++attempt) {
        opened = OpenClipboard(window);
        if (!opened) Sleep(20);
    }
    if (!opened) {
        logLine("clipboard busy");
    } else {
        logFormats();
        logDib();
        logHdrop();
        CloseClipboard();
    }
    logLine("read end");
}

static void typedChar(HWND window, WCHAR c) {
    size_t n = strlen(typed);
    if (n == sizeof typed - 1) memmove(typed, typed + 1, n--);
    typed[n] = c < 128 ? (char)c : '?';
    typed[n + 1] = 0;
    if (n + 1 >= 4 && strcmp(typed + n + 1 - 4, "1t1p") == 0) {
        typed[0] = 0;
        readClipboard(window, "kgstv");
    }
}

static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    char name[16];
    switch (message) {
    case WM_KEYDOWN:
        keyName(w, name, sizeof name);
        logLine("keydown %s", name);
        if (w == VK_F7) readClipboard(window, "easypal");
        return 0;
    case WM_SYSKEYDOWN:
        keyName(w, name, sizeof name);
        logLine("syskeydown %s", name);
        break; /* on to the menu */
    case WM_CHAR:
        if (w >= 32 && w < 127)
            logLine("char %c", (char)w);
        else
            logLine("char 0x%02X", (unsigned)w);
        typedChar(window, (WCHAR)w);
        return 0;
    case WM_COMMAND:
        if (LOWORD(w) == ID_PASTE) {
            logLine("command paste");
            readClipboard(window, "mmsstv");
            return 0;
        }
        break;
    case WM_TIMER:
        if (w == BUSY_TIMER) {
            Sleep(60);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s <title> <log file> [--busy]\n", argv[0]);
        return 2;
    }
    logFile = fopen(argv[2], "a");
    if (!logFile) {
        fprintf(stderr, "cannot open %s\n", argv[2]);
        return 1;
    }
    const int busy = argc > 3 && strcmp(argv[3], "--busy") == 0;

    HINSTANCE instance = GetModuleHandleW(NULL);
    WNDCLASSW wc = {0};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = L"SstvStandIn";
    if (!RegisterClassW(&wc)) return 1;

    HMENU bar = CreateMenu();
    HMENU edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING, ID_PASTE, L"&Paste");
    AppendMenuW(bar, MF_POPUP, (UINT_PTR)edit, L"&Edit");

    WCHAR title[512];
    if (!MultiByteToWideChar(CP_ACP, 0, argv[1], -1, title, 512)) return 1;
    HWND window = CreateWindowW(L"SstvStandIn", title, WS_OVERLAPPEDWINDOW, 40, 40, 320, 200,
                                NULL, bar, instance, NULL);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    if (busy) SetTimer(window, BUSY_TIMER, 100, NULL);
    logLine("ready");

    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    fclose(logFile);
    return 0;
}
