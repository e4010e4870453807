/* The texts of the string tables, in UTF-8: the one source for the resource script and the stand-in's tables. */
#ifndef HUEBIRD_STRINGS_H
#define HUEBIRD_STRINGS_H

/* Japanese (Japan), language 0x411: what a Japanese system shows. */
/* Choose a colour and enter it in hexadecimal. */
#define STRING_MENU_TEXT_JAPANESE "色を選択し16進数で入力する"
/* A status-bar description, a line feed, and a short label (hexadecimal colour input). */
#define STRING_STATUS_MESSAGE_JAPANESE "色を選択し16進数で入力\n16進数色入力"
/* Is it all right to uninstall? */
#define STRING_CONFIRM_UNINSTALL_JAPANESE "アンインストールしてもよろしいですか？"

/* English (United States), language 0x409: what every other system shows, since Windows falls back to
   English before any other language. The same meanings and shapes, in ASCII, which every code page holds. */
#define STRING_MENU_TEXT_ENGLISH "Choose a color and enter it in hexadecimal"
#define STRING_STATUS_MESSAGE_ENGLISH "Choose a color and enter it in hexadecimal\nHex color"
#define STRING_CONFIRM_UNINSTALL_ENGLISH "Are you sure you want to uninstall?"

/* The same in both tables. */
#define STRING_PLUGIN_NAME "Huebird"
#define STRING_VERSION "Version 0.2 by Quenlo"

/* The version block's description, which Explorer shows in every language (the block is English only). */
#define STRING_FILE_DESCRIPTION "Huebird color entry plug-in for EmEditor"

#endif
