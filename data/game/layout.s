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
