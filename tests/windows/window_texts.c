/* The windows of a Wine desktop as a Windows program sees them, for the installer's tests
 * (built by tests/windows/installer.sh with mingw-w64, run under Wine):
 *
 *   window_texts.exe list           each visible top-level window: its title, then the
 *                                   class and the text of each visible control in it
 *   window_texts.exe click TITLE TEXT
 *                                   clicks the control whose text is TEXT ('&' ignored) in
 *                                   the visible window titled TITLE; exits 1 when there is
 *                                   none, or it is disabled
 *   window_texts.exe place TITLE    where Windows has the visible window titled TITLE:
 *                                   "frame LEFT TOP RIGHT BOTTOM" with its frame, "client
 *                                   LEFT TOP RIGHT BOTTOM" without, then "work LEFT TOP
 *                                   RIGHT BOTTOM", the desktop less its task bar; exits 1
 *                                   when there is no such window
 *
 * Texts are printed in UTF-8, one line each, line breaks inside a text shown as "\n".
 * A click is the control's own BM_CLICK, so it lands wherever the window manager has put
 * the window. */
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

static void Print(const wchar_t* text) {
    char buffer[8192];
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
    if (n <= 0) {
        return;
    }
    for (const char* c = buffer; *c; ++c) {
        if (*c == '\r') {
            continue;
        }
        if (*c == '\n') {
            fputs("\\n", stdout);
        } else {
            putchar(*c);
        }
    }
}

/* A control's text: rich edits and edits through WM_GETTEXT, as any other window. */
static void TextOf(HWND window, wchar_t* text, int size) {
    text[0] = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, (WPARAM)size, (LPARAM)text, SMTO_ABORTIFHUNG, 2000,
                        NULL);
}

static BOOL CALLBACK ListControl(HWND control, LPARAM unused) {
    (void)unused;
    if (!IsWindowVisible(control)) {
        return TRUE;
    }
    wchar_t name[256];
    static wchar_t text[65536];
    GetClassNameW(control, name, 256);
    TextOf(control, text, 65536);
    fputs("  ", stdout);
    Print(name);
    fputs(IsWindowEnabled(control) ? "\t" : "\t(disabled) ", stdout);
    Print(text);
    putchar('\n');
    return TRUE;
}

static BOOL CALLBACK ListWindow(HWND window, LPARAM unused) {
    (void)unused;
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t title[1024];
    TextOf(window, title, 1024);
    if (!title[0]) {
        return TRUE;
    }
    fputs("window\t", stdout);
    Print(title);
    putchar('\n');
    EnumChildWindows(window, ListControl, 0);
    return TRUE;
}

struct Search {
    const wchar_t* title;
    const wchar_t* text;
    HWND found;
};

/* Equal texts, the accelerator marks '&' aside. */
static int SameCaption(const wchar_t* shown, const wchar_t* wanted) {
    for (;;) {
        if (*shown == L'&') {
            ++shown;
        }
        if (*shown != *wanted) {
            return 0;
        }
        if (!*shown) {
            return 1;
        }
        ++shown;
        ++wanted;
    }
}

static BOOL CALLBACK FindControl(HWND control, LPARAM data) {
    struct Search* search = (struct Search*)data;
    wchar_t text[1024];
    if (IsWindowVisible(control)) {
        TextOf(control, text, 1024);
        if (SameCaption(text, search->text)) {
            search->found = control;
            return FALSE;
        }
    }
    return TRUE;
}

static BOOL CALLBACK FindWindowTitled(HWND window, LPARAM data) {
    struct Search* search = (struct Search*)data;
    wchar_t title[1024];
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    TextOf(window, title, 1024);
    if (wcscmp(title, search->title) != 0) {
        return TRUE;
    }
    EnumChildWindows(window, FindControl, data);
    return search->found == NULL;
}

static BOOL CALLBACK FindTitle(HWND window, LPARAM data) {
    struct Search* search = (struct Search*)data;
    wchar_t title[1024];
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    TextOf(window, title, 1024);
    if (wcscmp(title, search->title) != 0) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && wcscmp(argv[1], L"list") == 0) {
        EnumWindows(ListWindow, 0);
        return 0;
    }
    if (argc == 4 && wcscmp(argv[1], L"click") == 0) {
        struct Search search = {argv[2], argv[3], NULL};
        EnumWindows(FindWindowTitled, (LPARAM)&search);
        if (search.found == NULL || !IsWindowEnabled(search.found)) {
            return 1;
        }
        /* Posted: a click that opens a modal window or ends the program must not hold the
         * caller. */
        PostMessageW(search.found, BM_CLICK, 0, 0);
        return 0;
    }
    if (argc == 3 && wcscmp(argv[1], L"place") == 0) {
        struct Search search = {argv[2], NULL, NULL};
        EnumWindows(FindTitle, (LPARAM)&search);
        RECT frame;
        RECT client;
        RECT work;
        POINT corner = {0, 0};
        if (search.found == NULL || !GetWindowRect(search.found, &frame) ||
            !GetClientRect(search.found, &client) || !ClientToScreen(search.found, &corner) ||
            !SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
            return 1;
        }
        printf("frame %ld %ld %ld %ld\nclient %ld %ld %ld %ld\nwork %ld %ld %ld %ld\n", frame.left,
               frame.top, frame.right, frame.bottom, corner.x, corner.y, corner.x + client.right,
               corner.y + client.bottom, work.left, work.top, work.right, work.bottom);
        return 0;
    }
    fputs("usage: window_texts.exe list | click TITLE TEXT | place TITLE\n", stderr);
    return 2;
}
