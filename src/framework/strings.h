#pragma once
// The string and number functions the program uses. Strings are UTF-8; positions and lengths
// count characters, and positions start at 1. Int truncates toward zero.
#include <cstdint>
#include <string>

namespace fw {

using String = std::string;

std::int32_t Int(double x);     // truncates toward zero; saturates outside the 32-bit range, NaN gives 0
double Ceil(double x);
String Str(std::int32_t n);
String Str(double x);           // whole numbers without decimals, else up to 7 significant digits
double Val(const String& s);    // the number at the start of s ("12 pt." gives 12); 0 when there is none
String Chr(std::int32_t code);  // the one-character string of that code point
std::int32_t Asc(const String& s);  // code point of the first character, 0 for the empty string
std::int32_t Len(const String& s);
String Left(const String& s, std::int32_t count);
String Right(const String& s, std::int32_t count);
String Mid(const String& s, std::int32_t start);
String Mid(const String& s, std::int32_t start, std::int32_t length);
// Position of the first find in s at or after start, 0 when there is none (or find is empty).
std::int32_t InStr(const String& s, const String& find);
std::int32_t InStr(std::int32_t start, const String& s, const String& find);
// The n-th field of s split at separator (empty fields count); empty when n is out of range.
String NthField(const String& s, const String& separator, std::int32_t n);
std::int32_t CountFields(const String& s, const String& separator);
String ReplaceAll(const String& s, const String& find, const String& with);
String Trim(const String& s);

}  // namespace fw
