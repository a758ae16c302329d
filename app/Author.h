#pragma once
// The author's web page and mail address, shown on the about page and
// opened by its links: placeholders under the reserved .example domain until
// the project has its own.
inline constexpr const char* WebAddress = "http://www.torvane.example/";
inline constexpr const char* AuthorMail = "auteur@torvane.example";
