; Segment headers and run address of the binary-load file; the linker configuration oxil.cfg
; places each piece at its file offset.
        .import start
        .import __LOW_START__, __LOW_SIZE__, __HIGH_START__, __HIGH_SIZE__
        .import __SPARE_START__, __SPARE_SIZE__

        .segment "HEAD1"
        .word $FFFF
        .word __LOW_START__, __LOW_START__ + __LOW_SIZE__ - 1

        .segment "HEAD2"
        .word __HIGH_START__, __HIGH_START__ + __HIGH_SIZE__ - 1

        .segment "HEAD3"
        .word __SPARE_START__, __SPARE_START__ + __SPARE_SIZE__ - 1

        .segment "HEAD4"
        .word $02E0, $02E1

        .segment "RUNAD"
        .word start

; The offsets the level editor relies on: character sets from 3645, the record at 8969, and the
; length of the game's own file.
        .import __HIGH_FILEOFFS__, __SPARE_FILEOFFS__, bank1, record
        .assert bank1 - __HIGH_START__ + __HIGH_FILEOFFS__ = 3645, error, "character sets must start at file offset 3645"
        .assert record - __HIGH_START__ + __HIGH_FILEOFFS__ = 8969, error, "the level record must start at file offset 8969"
        .assert __SPARE_FILEOFFS__ + __SPARE_SIZE__ + 6 = 38677, error, "the file must be 38677 bytes long"
