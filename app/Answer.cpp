#include "app/Answer.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include <QApplication>
#include <QMessageBox>
#endif

#ifdef _WIN32
namespace {

bool isUsable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A console takes the text as it is; a pipe or a file the bytes a console program would write.
void writeTo(HANDLE handle, const QString& text) {
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.utf16(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toLocal8Bit();
    WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool writeToParentConsole(const QString& text) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    const bool opened = isUsable(console);
    if (opened) {
        // The prompt is already back: the answer starts on a line of its own.
        writeTo(console, u'\n' + text);
        CloseHandle(console);
    }
    FreeConsole();
    return opened;
}

void showInMessageBox(AnswerKind kind, const QString& text) {
    int argc = 1;
    char name[] = "wirnak";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QMessageBox box(kind == AnswerKind::Error ? QMessageBox::Warning : QMessageBox::Information,
                    QStringLiteral("Wirnak"), text.trimmed(), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void tell(AnswerKind kind, const QString& text) {
    HANDLE handle = GetStdHandle(kind == AnswerKind::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (isUsable(handle))
        writeTo(handle, text);
    else if (!writeToParentConsole(text))
        showInMessageBox(kind, text);
}

#else

void tell(AnswerKind kind, const QString& text) {
    std::FILE* stream = kind == AnswerKind::Output ? stdout : stderr;
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

#endif
