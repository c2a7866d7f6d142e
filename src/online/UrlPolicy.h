#pragma once
// Which addresses the program downloads from: HTTPS anywhere, plain HTTP only
// to a loopback address (the tests' local server), and a redirect never from
// HTTPS down to HTTP.

class QUrl;

namespace lumo {

bool IsLoopbackHost(const QUrl &url);
bool IsAllowedDownloadUrl(const QUrl &url);
bool IsAllowedRedirect(const QUrl &from, const QUrl &to);

} // namespace lumo
