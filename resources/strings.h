/* The texts of the string table, in UTF-8: the one source for the resource script and the stand-in's table. */
#ifndef HUEBIRD_STRINGS_H
#define HUEBIRD_STRINGS_H

/* Choose a colour and enter it in hexadecimal. */
#define STRING_MENU_TEXT "色を選択し16進数で入力する"
/* A status-bar description, a line feed, and a short label (hexadecimal colour input). */
#define STRING_STATUS_MESSAGE "色を選択し16進数で入力\n16進数色入力"
/* Is it all right to uninstall? */
#define STRING_CONFIRM_UNINSTALL "アンインストールしてもよろしいですか？"
#define STRING_PLUGIN_NAME "Huebird"
#define STRING_VERSION "Version 0.2 by Quenlo"

#endif
