#pragma once

#include <QUrl>

class QWebEnginePage;

// Local pages are shown in the pane under a scheme of the program's own, not as file URLs:
// the web engine either lets a file page read every other local file (XMLHttpRequest,
// fetch) or, with that turned off, loads none of its pictures, style sheets and scripts.
// Under this scheme a page gets exactly its parts: files are served only as the page's
// frames, pictures, style sheets, scripts, fonts and media, read as regular files (see
// readRegularFile); reads by script and requests to other schemes are refused.
namespace LocalPageScheme {
// Before the first web view is made (the web engine reads schemes at its start).
void registerScheme();
// The scheme's handler and request guard for the page's profile and the page; once a page.
void install(QWebEnginePage *page);
// The address a local file is shown under; other addresses are returned as they are.
QUrl shownUrl(const QUrl &address);
// From now on the file at `path` is served as `html` (text that is not saved), under the same
// guard; an empty path serves every file from disk again. For the page's profile, after install().
void setLivePage(QWebEnginePage *page, const QString &path, const QByteArray &html);
} // namespace LocalPageScheme
