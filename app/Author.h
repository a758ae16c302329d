#pragma once
// The author's web page and mail address, shown on the about page and
// opened by its links, and the news file on the same server: placeholders
// under the reserved .example domain until the project has its own.
inline constexpr const char* WebAddress = "http://www.torvane.example/";
inline constexpr const char* NewsAddress = "http://www.torvane.example/NewsFeed.inf";
inline constexpr const char* AuthorMail = "auteur@torvane.example";
