#pragma once
// The links of the news file: the picture each gets in the tree, and which
// of them the shell may open. A news file comes from the network, so a link
// never starts anything on the user's machine: only web, file-transfer and
// mail addresses are opened.
#include <string>
#include <string_view>

// The tree's pictures: headings, then links by the kind of file they name.
enum TNewsImage { niHeading, niLink, niZipLink, niExeLink };

// By the text after the link's last "." (a "." in first place starts no
// extension): exactly "zip" or "exe"; any other, in any case, is a link.
TNewsImage LinkImage(std::string_view Link);
// What the shell is asked to open for Link: the link itself when its scheme
// is http, https, ftp or mailto (in any case), "http://" before a link that
// begins with "www."; empty for anything else (a path, a program's name,
// "file:") and for a link with a quotation mark or a control character,
// which could pass the browser more than an address.
std::string SafeLink(std::string_view Link);

