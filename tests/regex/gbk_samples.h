#pragma once

// Characters of code page 936 used by the regex tests, as bytes.
#define ZHONG "\xD6\xD0"       // 中 U+4E2D
#define WEN "\xCE\xC4"         // 文 U+6587
#define YI "\xD2\xBB"          // 一 U+4E00
#define YU "\xFD\x9B"          // 龥 U+9FA5
#define IDEO_SPACE "\xA1\xA1"  // U+3000 ideographic space
#define E_ACUTE "\xA8\xA6"     // é U+00E9
#define GREEK_ALPHA "\xA6\xA1" // Α U+0391
#define GREEK_alpha "\xA6\xC1" // α U+03B1
#define CYRILLIC_A "\xA7\xA1"  // А U+0410
#define CYRILLIC_a "\xA7\xD1"  // а U+0430
#define CYRILLIC_be "\xA7\xD2" // б U+0431
#define CYRILLIC_ya "\xA7\xF1" // я U+044F

// A reply of the look-up service after decoding, and a result pattern with its six groups.
#define REPLY                                                                                      \
    "{\"code\":0,\r\n\"SerialNumber\":\"F2LXK0ABHG7F\",\r\n"                                       \
    "\"FirstActivateTime\":\"2023-05-01 10:22:31\",\r\n"                                           \
    "\"LastRestoreTime\":\"2024-01-15 08:00:00\",\r\n"                                             \
    "\"Model\":\"iPhone 14 Pro \xC9\xEE\xBF\xD5\xBA\xDA\xC9\xAB\",\r\n"                            \
    "\"FaceTimeNumber\":\"+86 138 0013 8000\",\r\n"                                                \
    "\"Remain\":\"\xCA\xA3\xD3\xE0"                                                                \
    "97\xB4\xCE\"}"
#define REPLY_PATTERN                                                                              \
    "\"serialnumber\":\"([^\"]*)\"[^]*?\"firstactivatetime\":\"([^\"]*)\"[^]*?"                    \
    "\"lastrestoretime\":\"([^\"]*)\"[^]*?\"model\":\"(.*)\",$[^]*?"                               \
    "\"facetimenumber\":\"([^\"]*)\"[^]*?\xCA\xA3\xD3\xE0(\\d+)\xB4\xCE"
#define REPLY_MODEL "iPhone 14 Pro \xC9\xEE\xBF\xD5\xBA\xDA\xC9\xAB"
