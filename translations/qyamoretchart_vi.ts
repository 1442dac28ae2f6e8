<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>FamousPeople</name>
    <message>
        <source>Hugh Grant</source>
        <translation>Hugh Grant</translation>
    </message>
    <message>
        <source>Ayrton Senna</source>
        <translation>Ayrton Senna</translation>
    </message>
    <message>
        <source>Zinedine Zidane</source>
        <translation>Zinedine Zidane</translation>
    </message>
    <message>
        <source>Katy Perry</source>
        <translation>Katy Perry</translation>
    </message>
    <message>
        <source>Scarlett Johansson</source>
        <translation>Scarlett Johansson</translation>
    </message>
    <message>
        <source>Jane Fonda</source>
        <translation>Jane Fonda</translation>
    </message>
    <message>
        <source>Jack Nicholson</source>
        <translation>Jack Nicholson</translation>
    </message>
    <message>
        <source>Anthony Hopkins</source>
        <translation>Anthony Hopkins</translation>
    </message>
    <message>
        <source>Meryl Streep</source>
        <translation>Meryl Streep</translation>
    </message>
    <message>
        <source>Eddie Murphy</source>
        <translation>Eddie Murphy</translation>
    </message>
    <message>
        <source>Barack Obama</source>
        <translation>Barack Obama</translation>
    </message>
    <message>
        <source>Keira Knightley</source>
        <translation>Keira Knightley</translation>
    </message>
    <message>
        <source>Kofi Annan</source>
        <translation>Kofi Annan</translation>
    </message>
    <message>
        <source>Stevie Wonder</source>
        <translation>Stevie Wonder</translation>
    </message>
    <message>
        <source>Jodie Foster</source>
        <translation>Jodie Foster</translation>
    </message>
    <message>
        <source>Leonardo DiCaprio</source>
        <translation>Leonardo DiCaprio</translation>
    </message>
    <message>
        <source>Lady Gaga</source>
        <translation>Lady Gaga</translation>
    </message>
    <message>
        <source>Usain Bolt</source>
        <translation>Usain Bolt</translation>
    </message>
    <message>
        <source>Tina Turner</source>
        <translation>Tina Turner</translation>
    </message>
    <message>
        <source>Sally Ride</source>
        <translation>Sally Ride</translation>
    </message>
    <message>
        <source>Michael Jordan</source>
        <translation>Michael Jordan</translation>
    </message>
    <message>
        <source>David Beckham</source>
        <translation>David Beckham</translation>
    </message>
    <message>
        <source>Angelina Jolie</source>
        <translation>Angelina Jolie</translation>
    </message>
    <message>
        <source>Lionel Messi</source>
        <translation>Lionel Messi</translation>
    </message>
    <message>
        <source>John Lennon</source>
        <translation>John Lennon</translation>
    </message>
    <message>
        <source>Bruce Lee</source>
        <translation>Lý Tiểu Long</translation>
    </message>
    <message>
        <source>Keanu Reeves</source>
        <translation>Keanu Reeves</translation>
    </message>
    <message>
        <source>Bob Dylan</source>
        <translation>Bob Dylan</translation>
    </message>
    <message>
        <source>Stephen Hawking</source>
        <translation>Stephen Hawking</translation>
    </message>
    <message>
        <source>Muhammad Ali</source>
        <translation>Muhammad Ali</translation>
    </message>
    <message>
        <source>Pierce Brosnan</source>
        <translation>Pierce Brosnan</translation>
    </message>
    <message>
        <source>Shah Rukh Khan</source>
        <translation>Shah Rukh Khan</translation>
    </message>
    <message>
        <source>Taylor Swift</source>
        <translation>Taylor Swift</translation>
    </message>
    <message>
        <source>Paul McCartney</source>
        <translation>Paul McCartney</translation>
    </message>
    <message>
        <source>Harrison Ford</source>
        <translation>Harrison Ford</translation>
    </message>
    <message>
        <source>Jackie Chan</source>
        <translation>Thành Long</translation>
    </message>
    <message>
        <source>Angela Merkel</source>
        <translation>Angela Merkel</translation>
    </message>
    <message>
        <source>Emma Watson</source>
        <translation>Emma Watson</translation>
    </message>
    <message>
        <source>Mick Jagger</source>
        <translation>Mick Jagger</translation>
    </message>
    <message>
        <source>Steve Jobs</source>
        <translation>Steve Jobs</translation>
    </message>
    <message>
        <source>Tim Berners-Lee</source>
        <translation>Tim Berners-Lee</translation>
    </message>
    <message>
        <source>Nicole Kidman</source>
        <translation>Nicole Kidman</translation>
    </message>
    <message>
        <source>Julia Roberts</source>
        <translation>Julia Roberts</translation>
    </message>
    <message>
        <source>Norah Jones</source>
        <translation>Norah Jones</translation>
    </message>
    <message>
        <source>Diana Ross</source>
        <translation>Diana Ross</translation>
    </message>
    <message>
        <source>George Lucas</source>
        <translation>George Lucas</translation>
    </message>
    <message>
        <source>Tom Hanks</source>
        <translation>Tom Hanks</translation>
    </message>
    <message>
        <source>Celine Dion</source>
        <translation>Céline Dion</translation>
    </message>
    <message>
        <source>Hugh Jackman</source>
        <translation>Hugh Jackman</translation>
    </message>
    <message>
        <source>Yao Ming</source>
        <translation>Diêu Minh</translation>
    </message>
    <message>
        <source>Eric Clapton</source>
        <translation>Eric Clapton</translation>
    </message>
    <message>
        <source>Natalie Portman</source>
        <translation>Natalie Portman</translation>
    </message>
    <message>
        <source>Roger Federer</source>
        <translation>Roger Federer</translation>
    </message>
    <message>
        <source>Serena Williams</source>
        <translation>Serena Williams</translation>
    </message>
    <message>
        <source>Cher</source>
        <translation>Cher</translation>
    </message>
    <message>
        <source>Freddie Mercury</source>
        <translation>Freddie Mercury</translation>
    </message>
    <message>
        <source>Sharon Stone</source>
        <translation>Sharon Stone</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prince</translation>
    </message>
    <message>
        <source>Madonna</source>
        <translation>Madonna</translation>
    </message>
    <message>
        <source>Andre Agassi</source>
        <translation>Andre Agassi</translation>
    </message>
    <message>
        <source>Matt Damon</source>
        <translation>Matt Damon</translation>
    </message>
    <message>
        <source>Anne Hathaway</source>
        <translation>Anne Hathaway</translation>
    </message>
    <message>
        <source>Elton John</source>
        <translation>Elton John</translation>
    </message>
    <message>
        <source>Stephen King</source>
        <translation>Stephen King</translation>
    </message>
    <message>
        <source>Emma Thompson</source>
        <translation>Emma Thompson</translation>
    </message>
    <message>
        <source>Ewan McGregor</source>
        <translation>Ewan McGregor</translation>
    </message>
    <message>
        <source>Chris Hemsworth</source>
        <translation>Chris Hemsworth</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Between two names of the famous people&apos;s list</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Cơ hội kinh doanh tại nhà: tự lập cơ nghiệp trên mạng, kiếm tiền trực tuyến. Gắn trọn thương hiệu trang web của bạn lên phần mềm này. Nhấn vào đây để xem chi tiết.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Gắn đồng thương hiệu phần mềm với trang web của bạn, tăng khách quen và lượt truy cập. Đặt tên và liên kết tại đây. Xem “Trợ giúp” để biết chi tiết. Nhấn vào đây để biết thêm.</translation>
    </message>
    <message>
        <source>Visit our online discussion forum at %1</source>
        <translation>Mời ghé diễn đàn của chúng tôi tại %1</translation>
    </message>
    <message>
        <source>Share your reading in our discussion forum. Click here to visit %1</source>
        <translation>Hãy chia sẻ lá số của bạn trên diễn đàn. Nhấn vào đây để ghé %1</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>Đồn&amp;g ý</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cắ&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>January</source>
        <translation>Tháng 1</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Tháng 2</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Tháng 3</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Tháng 4</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Tháng 5</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Tháng 6</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Tháng 7</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Tháng 8</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Tháng 9</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Tháng 10</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Tháng 11</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Tháng 12</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Chuột</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Trâu</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Hổ</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Mèo</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Rồng</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Rắn</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Ngựa</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Dê</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Khỉ</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gà</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chó</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Lợn</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Kim</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Thủy</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Mộc</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Hỏa</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Thổ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Sao Mộc</translation>
    </message>
    <message>
        <source>Dragon, Monkey</source>
        <translation>Rồng, Khỉ</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Xanh lam nhạt</translation>
    </message>
    <message>
        <source>Carbuncle, Red Garnet</source>
        <translation>Đá almandin, Ngọc hồng lựu</translation>
    </message>
    <message>
        <source>Yin (positive)</source>
        <translation>Âm</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Mùa đông</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Sao Thổ</translation>
    </message>
    <message>
        <source>Snake, Rooster</source>
        <translation>Rắn, Gà</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Tím</translation>
    </message>
    <message>
        <source>White Onyx</source>
        <translation>Mã não trắng</translation>
    </message>
    <message>
        <source>End of Winter</source>
        <translation>Cuối đông</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Sao Thiên Vương</translation>
    </message>
    <message>
        <source>Horse, Dog</source>
        <translation>Ngựa, Chó</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Xanh lục</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Lam ngọc</translation>
    </message>
    <message>
        <source>Yang (Negative)</source>
        <translation>Dương</translation>
    </message>
    <message>
        <source>Early Spring</source>
        <translation>Đầu xuân</translation>
    </message>
    <message>
        <source>Goat, Pig</source>
        <translation>Dê, Lợn</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>Xanh lục nhạt</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>Ngọc olivin</translation>
    </message>
    <message>
        <source>Mid Spring</source>
        <translation>Giữa xuân</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Sao Hỏa</translation>
    </message>
    <message>
        <source>Rat, Monkey</source>
        <translation>Chuột, Khỉ</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Xanh ngọc</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Thạch anh tím</translation>
    </message>
    <message>
        <source>End of Spring</source>
        <translation>Cuối xuân</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Sao Kim</translation>
    </message>
    <message>
        <source>Ox, Rooster</source>
        <translation>Trâu, Gà</translation>
    </message>
    <message>
        <source>Tiger, Pig</source>
        <translation>Hổ, Lợn</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Đỏ</translation>
    </message>
    <message>
        <source>Mossagate</source>
        <translation>Mã não rêu</translation>
    </message>
    <message>
        <source>Yin (Positive Energy)</source>
        <translation>Âm</translation>
    </message>
    <message>
        <source>Early Summer</source>
        <translation>Đầu hạ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Sao Thủy</translation>
    </message>
    <message>
        <source>Tiger, Dog</source>
        <translation>Hổ, Chó</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Cam</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>Ngọc beryl</translation>
    </message>
    <message>
        <source>Mid Summer</source>
        <translation>Giữa hạ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mặt Trăng</translation>
    </message>
    <message>
        <source>Rabbit, Pig</source>
        <translation>Mèo, Lợn</translation>
    </message>
    <message>
        <source>Pink, Purple</source>
        <translation>Hồng, Tím</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Lục bảo</translation>
    </message>
    <message>
        <source>Yin (Positive)</source>
        <translation>Âm</translation>
    </message>
    <message>
        <source>End of Summer</source>
        <translation>Cuối hạ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Mặt Trời</translation>
    </message>
    <message>
        <source>Rat, Dragon</source>
        <translation>Chuột, Rồng</translation>
    </message>
    <message>
        <source>Yellow, Gold</source>
        <translation>Vàng, Vàng kim</translation>
    </message>
    <message>
        <source>Early Autumn</source>
        <translation>Đầu thu</translation>
    </message>
    <message>
        <source>Ox, Dragon, Snake</source>
        <translation>Trâu, Rồng, Rắn</translation>
    </message>
    <message>
        <source>Peach, Apricot</source>
        <translation>Hồng đào, Vàng mơ</translation>
    </message>
    <message>
        <source>Pin Jasper</source>
        <translation>Đá jasper</translation>
    </message>
    <message>
        <source>Mid Autumn</source>
        <translation>Giữa thu</translation>
    </message>
    <message>
        <source>Tiger, Horse</source>
        <translation>Hổ, Ngựa</translation>
    </message>
    <message>
        <source>Pale Yellow</source>
        <translation>Vàng nhạt</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Kim cương</translation>
    </message>
    <message>
        <source>End of Autumn</source>
        <translation>Cuối thu</translation>
    </message>
    <message>
        <source>Rabbit, Goat</source>
        <translation>Mèo, Dê</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Xanh lam đậm</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Hoàng ngọc</translation>
    </message>
    <message>
        <source>Early Winter</source>
        <translation>Đầu đông</translation>
    </message>
    <message>
        <source>West (247.6 - 292.5 degrees)</source>
        <translation>Hướng Tây (247,6 - 292,5 độ)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rooster here</source>
        <translation>Đặt tượng hoặc tranh con gà trống ở hướng này</translation>
    </message>
    <message>
        <source>South (157.6 - 202.5 degrees)</source>
        <translation>Hướng Nam (157,6 - 202,5 độ)</translation>
    </message>
    <message>
        <source>Place statue or picture of a horse here</source>
        <translation>Đặt tượng hoặc tranh con ngựa ở hướng này</translation>
    </message>
    <message>
        <source>East (67.6 - 112.5 degrees)</source>
        <translation>Hướng Đông (67,6 - 112,5 độ)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rabbit here</source>
        <translation>Đặt tượng hoặc tranh con mèo ở hướng này</translation>
    </message>
    <message>
        <source>North (337.6 degrees to 22.5 degrees)</source>
        <translation>Hướng Bắc (từ 337,6 độ đến 22,5 độ)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rat here</source>
        <translation>Đặt tượng hoặc tranh con chuột ở hướng này</translation>
    </message>
    <message>
        <source>You are very focused and confident. Obstacles never frighten you or slow you down. You are self-reliant and dislike interference. You may be stubborn, headstrong and impulsive, but your inner strength is great. You enjoy the good things in life. You may expect as much from others as you do from yourself.</source>
        <translation>Can năm sinh thuộc Kim nên bạn rất tập trung và tự tin, trở ngại không làm bạn sợ hãi hay chùn bước. Bạn tự lập, không ưa ai can thiệp. Bạn có thể cứng đầu, bướng bỉnh, bốc đồng, nhưng nội lực rất mạnh. Bạn biết hưởng thụ điều tốt đẹp trong đời, và có thể đòi hỏi ở người khác nhiều như ở chính mình.</translation>
    </message>
    <message>
        <source>You have the fluidity of water and solve issues with your silent charm. You persuade others subtly, never by force. Your manner is always diplomatic. People trust you completely. Your intuition lets you read what others think. You communicate well and influence people with ease. You organize things well, but you may be inconsistent.</source>
        <translation>Can năm sinh thuộc Thủy nên bạn uyển chuyển như nước, hóa giải mọi chuyện bằng sức hút thầm lặng. Bạn thuyết phục người khác khéo léo, không bao giờ ép buộc. Bạn luôn cư xử tế nhị, được mọi người hết lòng tin cậy. Trực giác giúp bạn đọc được suy nghĩ của người khác. Bạn giỏi giao tiếp và dễ gây ảnh hưởng. Bạn sắp xếp mọi việc chu đáo, nhưng đôi khi thiếu nhất quán.</translation>
    </message>
    <message>
        <source>You are very confident about yourself. You have a dignified presence and do not chase after things. You are organized and work in a methodical way. You like teamwork and gladly share the fruits of success with others. You are not selfish. Your interests are wide and varied. You may depend too much on others. You should take on only as much responsibility as you can handle. Your knowledge and experience grow more useful with time.</source>
        <translation>Can năm sinh thuộc Mộc nên bạn rất tin vào bản thân. Bạn có phong thái đường hoàng, không bon chen chạy theo danh lợi. Bạn làm việc ngăn nắp, có phương pháp. Bạn thích làm việc nhóm và vui vẻ chia sẻ thành quả với mọi người, không hề ích kỷ. Bạn có nhiều sở thích đa dạng. Đôi khi bạn dựa dẫm quá nhiều vào người khác. Bạn chỉ nên nhận trách nhiệm vừa sức mình. Kiến thức và kinh nghiệm của bạn ngày càng hữu ích theo năm tháng.</translation>
    </message>
    <message>
        <source>You have an impulsive nature. You are truly charming. As a leader and motivator, you attract people easily. You hold to your ideals, and no one can talk you out of them. You are sure of your decisions. You are aggressive and love to explore new ground. You are simply made for challenges. At times you can be dominating. You are also highly ambitious.</source>
        <translation>Can năm sinh thuộc Hỏa nên bạn có tính bốc đồng và thật sự cuốn hút. Là người dẫn dắt, truyền lửa, bạn dễ dàng thu hút mọi người. Bạn giữ vững lý tưởng, không ai lay chuyển được. Bạn tin chắc vào quyết định của mình. Bạn xông xáo, thích khai phá vùng đất mới, như sinh ra là để đón thử thách. Đôi lúc bạn hơi áp đặt. Bạn cũng rất giàu hoài bão.</translation>
    </message>
    <message>
        <source>You are more logical than emotional in nature. Your quiet, dignified presence earns the respect of others. You are prudent and always stay in control. The unfamiliar can make you uneasy. You are particular about details and serious about life. You are a good organizer and planner. You are disciplined and conservative.</source>
        <translation>Can năm sinh thuộc Thổ nên bạn thiên về lý trí hơn cảm xúc. Phong thái điềm đạm, đường hoàng giúp bạn được mọi người kính trọng. Bạn cẩn trọng và luôn làm chủ tình thế. Điều xa lạ dễ khiến bạn bất an. Bạn chú ý chi tiết và sống nghiêm túc. Bạn giỏi tổ chức, lên kế hoạch, có kỷ luật và giữ nếp cũ.</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Chinese Sign</source>
        <translation>Con giáp</translation>
    </message>
    <message>
        <source>Romance Direction</source>
        <translation>Hướng tình duyên</translation>
    </message>
    <message>
        <source>Peach Blossom Advice</source>
        <translation>Lời khuyên Đào Hoa</translation>
    </message>
    <message>
        <source>Chinese Element</source>
        <translation>Ngũ hành</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Sao chủ quản</translation>
    </message>
    <message>
        <source>Most Compatible</source>
        <translation>Tuổi hợp nhất</translation>
    </message>
    <message>
        <source>Least Compatible</source>
        <translation>Tuổi kỵ nhất</translation>
    </message>
    <message>
        <source>Favourable Seasons</source>
        <translation>Mùa thuận lợi</translation>
    </message>
    <message>
        <source>Favourable Month</source>
        <translation>Tháng thuận lợi</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>Màu may mắn</translation>
    </message>
    <message>
        <source>GemStone</source>
        <translation>Đá quý</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Âm dương</translation>
    </message>
    <message>
        <source>Famous People</source>
        <translation>Người nổi tiếng</translation>
    </message>
</context>
<context>
    <name>SignPicture</name>
    <message>
        <source>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</source>
        <comment>The animals the twelve signs&apos; pictures draw, in sign order, a blank between two. Keep them, or where the reader&apos;s tradition has another animal for a year put cat, water_buffalo or wild_boar in its place; a word of any other kind is ignored.</comment>
        <translation>rat water_buffalo tiger cat dragon snake horse goat monkey rooster dog pig</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Ứng dụng đã được mở rồi</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Có thể đã có bản cập nhật cho phần mềm này<byte value="xd"/>Bạn có muốn kiểm tra bản cập nhật không?</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>.</source>
        <comment>The full stop that ends a sentence read aloud</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance direction. This software gives you advice based on your romance direction. All rights to this software are held by the makers of QY Amoret Chart.</source>
        <translation>QY Lá Số Đào Hoa là phương pháp Trung Hoa dựa trên Kinh Dịch để tìm và kích hoạt hướng tình duyên. Phần mềm này cho bạn lời khuyên dựa trên hướng tình duyên đó. Mọi quyền đối với phần mềm thuộc về nhà phát triển QY Lá Số Đào Hoa.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Cơ hội kinh doanh tại nhà: tự lập cơ nghiệp trên mạng, kiếm tiền trực tuyến. Gắn trọn thương hiệu trang web của bạn lên phần mềm này.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Nhấn vào đây để truy cập %1</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Nhấn vào đây để xem chi tiết.</translation>
    </message>
    <message>
        <source>QY Amoret Chart icon</source>
        <translation>Biểu tượng QY Lá Số Đào Hoa</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know more about your romance direction with the Chinese Amoret Chart. Enter your personal details to get started.</source>
        <translation>Tìm hiểu hướng tình duyên của bạn qua lá số Đào Hoa Trung Hoa. Hãy nhập thông tin cá nhân để bắt đầu.</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>Thông tin của bạn</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Ngày sinh</translation>
    </message>
    <message>
        <source>Birth Date: Day</source>
        <translation>Ngày sinh: ngày</translation>
    </message>
    <message>
        <source>Birth Date: Month</source>
        <translation>Ngày sinh: tháng</translation>
    </message>
    <message>
        <source>Birth Date: Year</source>
        <translation>Ngày sinh: năm</translation>
    </message>
    <message>
        <source>&amp;Get My Peach Blossom Reading</source>
        <translation>&amp;Xem lá số Đào Hoa của tôi</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Vui lòng nhập tên của bạn</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Vui lòng nhập đúng ngày hoặc tháng!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Vui lòng nhập đúng ngày hoặc tháng!</translation>
    </message>
</context>
<context>
    <name>frmPeachBlossomResult</name>
    <message>
        <source>QY Amoret Chart Results</source>
        <translation>Kết quả QY Lá Số Đào Hoa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>T&amp;hoát</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Quay lại</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;In</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Trợ giúp t&amp;rực tuyến</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Ghé thăm trang &amp;web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Kiểm tra &amp;cập nhật phần mềm</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Về phần mềm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Ủ&amp;ng hộ</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Chinese Sign picture</source>
        <translation>Hình con giáp</translation>
    </message>
    <message>
        <source>A %1 drawn in white on a purple disc</source>
        <translation>Con %1 vẽ nét trắng trên nền tròn màu tím</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>QY Amoret Chart v1.0</source>
        <translation>QY Lá Số Đào Hoa v1.0</translation>
    </message>
    <message>
        <source>QY Amoret Chart</source>
        <translation>QY Lá Số Đào Hoa</translation>
    </message>
    <message>
        <source>Ag</source>
        <comment>Never shown: a few letters of this language&apos;s script, to measure how tall its lines are</comment>
        <translation>Ậ Ằ ỹ g</translation>
    </message>
</context>
</TS>
