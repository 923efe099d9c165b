#pragma once
// Notes for translators on texts whose context spreads over several files; lupdate puts each
// on its context. Nothing here is compiled into anything.

/* TRANSLATOR Buttons

   Names of the picture buttons, read out by screen readers: the same word as drawn on the
   button's face (context Artwork), on one line. "Minimise" and "Close" are the two small
   window buttons at the top right, which carry no word.
*/

/* TRANSLATOR trx::app::TForm1

   Message boxes (room enough), and what screen readers read: each field's name (the caption
   drawn beside it, but on one line, never with a line break), the list page's captions, and
   the announcements. "%1: %2" is a field's name and value; "Was %1." and "%1: %2, was %3."
   give a field's value before the change on the confirmation page; "Error" stands for a
   regulatory domain the program does not know, on the list page.
*/
