#include "ratecalc/info_message.h"

#include "platform/msgbox.h"

std::string ActivationInfoText() {
  static const char* const kLines[] = {
      "The following equations are used for the calculations:     ",
      "      Delta-G  =  Delta-H  -  T*Delta-S",
      "      Delta-G  =  1.987*T*(23.76 + ln(T/k))",
      "      k  =  Exp(23.76 + ln(T) - Delta-G/(1.987*T))",
      "      deg K  =  deg C + 273.16",
  };
  std::string text;
  for (const char* line : kLines) {
    text += line;
    text += "\r\n\r\n";
  }
  return text;
}

void ShowActivationInfo() { MsgBox(ActivationInfoText(), vbInformation, kActivationInfoTitle); }
